#include "VelloraTest.h"

#include "app/Startup.h"
#include "platform/Files.h"
#include "preferences/PreferencesWindow.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

class SettingsTest : public VelloraTest {
protected:
    void write(const QString& file, const QByteArray& bytes) {
        QFile f(Files::resolve(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& file) {
        QFile f(Files::resolve(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

QByteArray binary() {
    QByteArray b;
    for (int i = 0; i < 512; ++i)
        b.append(char(i * 37));
    return b;
}

TEST_F(SettingsTest, OneLineFilesCompareTheirFirstLineIgnoringLetterCaseOnly) {
    const QStringList values = {QStringLiteral("IconifyTrue"), QStringLiteral("DrawerWindowTrue"),
                                QStringLiteral("MainDisplayTrue")};
    struct Row {
        const char* name;
        QByteArray content;
        const char* value; // nullptr: no value
    } rows[] = {
        {"exact", "IconifyTrue\n", "IconifyTrue"},
        {"lower case", "iconifytrue\n", "IconifyTrue"},
        {"upper case, CRLF", "DRAWERWINDOWTRUE\r\n", "DrawerWindowTrue"},
        {"no line end", "MainDisplayTrue", "MainDisplayTrue"},
        {"only the first line counts", "MainDisplayTrue\nIconifyTrue\n", "MainDisplayTrue"},
        {"trailing space", "IconifyTrue \n", nullptr},
        {"leading space", " IconifyTrue\n", nullptr},
        {"garbage", "yes please\n", nullptr},
        {"empty", "", nullptr},
        {"binary", binary(), nullptr},
        {"ten megabytes", QByteArray(10 * 1024 * 1024, 'I'), nullptr},
        {"value then NUL", QByteArray("IconifyTrue\n\0", 13), nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        write(Settings::DisplayPreference, r.content);
        const auto value = Settings::readValue(Settings::DisplayPreference, values);
        EXPECT_EQ(value.has_value(), r.value != nullptr);
        if (value && r.value) {
            EXPECT_EQ(*value, QString::fromLatin1(r.value));
        }
    }
    QFile::remove(Files::resolve(Settings::DisplayPreference));
    EXPECT_FALSE(Settings::readValue(Settings::DisplayPreference, values));
}

TEST_F(SettingsTest, PositionFilesAreFourSignedBigEndianBytes) {
    struct Row {
        QByteArray content;
        std::optional<QPoint> position;
    } rows[] = {
        {QByteArray(), std::nullopt},
        {QByteArray(1, '\x01'), std::nullopt},
        {QByteArray("\x00\x10", 2), std::nullopt},
        {QByteArray("\x00\x10\x00", 3), std::nullopt},
        {QByteArray("\x00\x10\x00\x20", 4), QPoint(16, 32)},
        {QByteArray("\xff\xfb\x01\x2c", 4), QPoint(-5, 300)},
        {QByteArray("\x80\x00\x7f\xff", 4), QPoint(-32768, 32767)},
        {QByteArray("\x00\x10\x00\x20\x00", 5), std::nullopt},
        {QByteArray(10 * 1024 * 1024, '\x01'), std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.content.left(8).toHex().toStdString());
        write(Settings::MainWindowPosition, r.content);
        EXPECT_EQ(Settings::readPosition(Settings::MainWindowPosition), r.position);
    }
}

TEST_F(SettingsTest, LetterFilesHoldOneLetterOrNothing) {
    struct Row {
        QByteArray content;
        std::optional<QString> letter;
    } rows[] = {{"p", QStringLiteral("p")},
                {"P", QStringLiteral("P")},
                {"", QString()},
                {"pq", std::nullopt},
                {"p\n", std::nullopt},
                {" ", std::nullopt},
                {binary(), std::nullopt},
                {QByteArray(10 * 1024 * 1024, 'p'), std::nullopt}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.content.left(8).toStdString());
        write(Settings::PrintingHotkey, r.content);
        EXPECT_EQ(Settings::readLetter(Settings::PrintingHotkey), r.letter);
    }
    EXPECT_FALSE(Settings::readLetter(Settings::SaveHotkey)) << "a missing file holds no letter";
}

TEST_F(SettingsTest, WritersWriteExactlyTheirBytesAndReplaceTheOldFile) {
    write(Settings::DragAndDrop, QByteArray(5000, 'x'));
    ASSERT_TRUE(Settings::writeValue(Settings::DragAndDrop, QStringLiteral("No Stamp")));
    EXPECT_EQ(read(Settings::DragAndDrop), QByteArray("No Stamp\n"));
    ASSERT_TRUE(Settings::writePosition(Settings::DrawerPosition, QPoint(-5, 300)));
    EXPECT_EQ(read(Settings::DrawerPosition), QByteArray("\xff\xfb\x01\x2c", 4));
    ASSERT_TRUE(Settings::writeLetter(Settings::DisplayHotkey, QStringLiteral("h")));
    EXPECT_EQ(read(Settings::DisplayHotkey), QByteArray("h"));
    ASSERT_TRUE(Settings::writeLetter(Settings::DisplayHotkey, QString()));
    EXPECT_EQ(read(Settings::DisplayHotkey), QByteArray());
    EXPECT_TRUE(sim().messages().isEmpty());
}

TEST_F(SettingsTest, FailingWritersTellTheUserOnceAndKeepTheOldFiles) {
    ASSERT_TRUE(Settings::writeValue(Settings::Shortcuts, QStringLiteral("KsEnabledTrue")));
    const QString mount = resources();
    const bool readOnlyMount =
        QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("ro,size=64k"), QStringLiteral("tmpfs"), mount}) == 0;
    if (!readOnlyMount)
        Files::setWritesFail(true); // a folder that refuses writes, where mounting is not allowed
    EXPECT_FALSE(Settings::writeValue(Settings::Shortcuts, QStringLiteral("KsEnabledFalse")));
    EXPECT_FALSE(Settings::writePosition(Settings::MainWindowPosition, QPoint(1, 2)));
    EXPECT_FALSE(Settings::writeLetter(Settings::PrintingHotkey, QStringLiteral("p")));
    EXPECT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages().value(0).contains(QStringLiteral("Vellora Resources")));
    if (readOnlyMount)
        QProcess::execute(QStringLiteral("umount"), {mount});
    Files::setWritesFail(false);
    EXPECT_EQ(read(Settings::Shortcuts), QByteArray("KsEnabledTrue\n"));
}

TEST_F(SettingsTest, AMissingFolderIsReportedOnceAtStartAndNeverCreated) {
    WindowRegistry::destroyAll();
    QDir(resources()).removeRecursively();
    sim().clearRecord();
    startVellora();
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].contains(QStringLiteral("cannot keep its settings")));
    main().PreferencesPushButton->click();
    PreferencesWindow::existing()->close();
    settle();
    EXPECT_EQ(sim().messages().size(), 1) << "told once";
    EXPECT_FALSE(QDir(resources()).exists());
    EXPECT_TRUE(main().isVisible());
}

} // namespace
