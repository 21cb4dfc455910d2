#include "VelloraTest.h"

#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/WASTEfield.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTextDocument>

namespace {

class WASTEfieldTest : public VelloraTest {
protected:
    WASTEfield field{QStringLiteral("field"), QStringLiteral("Geneva"), 12};
    WASTEfield other{QStringLiteral("other"), QStringLiteral("Lucida Grande"), 12};

    QString path(const QString& name) const { return folder() + QLatin1Char('/') + name; }

    void pasteHtml(WASTEfield& f, const QString& html) {
        auto* d = new QMimeData;
        d->setHtml(html);
        Clipboard::setMimeData(d);
        f.Paste();
    }
    void pastePicture(WASTEfield& f, const QImage& image) {
        Clipboard::setPicture(image);
        f.Paste();
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    static void write(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(WASTEfieldTest, OffsetsCountLineBreaksAndPicturesAsOneCharacter) {
    field.SetText(QStringLiteral("ab\rcd"));
    EXPECT_EQ(field.GetTextLength(), 5);
    field.SetSelection(5, 5);
    pastePicture(field, picture(5, 5, Qt::green));
    EXPECT_EQ(field.GetTextLength(), 6);
    EXPECT_EQ(field.SelStart(), 6);
    EXPECT_EQ(field.Text(), QStringLiteral("ab\rcd") + QChar(QChar::ObjectReplacementCharacter));
    field.SetSelection(1, 4);
    EXPECT_EQ(field.SelStart(), 1);
    EXPECT_EQ(field.SelEnd(), 4);
    EXPECT_EQ(field.SelLength(), 3);
    field.SetSelection(-5, 99); // clamped to the content
    EXPECT_EQ(field.SelStart(), 0);
    EXPECT_EQ(field.SelEnd(), 6);
}

TEST_F(WASTEfieldTest, PastesHtmlPlainTextAndPictures) {
    pasteHtml(field, QStringLiteral("<b>bold</b> <i>it</i>"));
    Clipboard::setText(QStringLiteral(" plain\nline"));
    field.Paste();
    pastePicture(field, picture(8, 6, Qt::red));
    const auto doc = SimDesktop::describe(*field.document());
    EXPECT_EQ(doc.text,
              QStringLiteral("bold it plain\rline") + QChar(QChar::ObjectReplacementCharacter));
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_EQ(doc.pictures[0].size(), QSize(8, 6));
    EXPECT_TRUE(doc.runs.at(0).bold);
    // Plain text takes the typing style: the field's own font, plain.
    field.SetSelection(8, 13);
    EXPECT_EQ(field.SelTextFont(), QStringLiteral("Geneva"));
    EXPECT_TRUE(field.SelPlain());
}

TEST_F(WASTEfieldTest, ABrowserPictureCopyPastesThePictureNotTheWebAddress) {
    auto* d = new QMimeData;
    d->setHtml(QStringLiteral("<img src=\"https://example.org/cat.png\">"));
    d->setImageData(picture(10, 10, Qt::gray));
    Clipboard::setMimeData(d);
    field.Paste();
    EXPECT_EQ(SimDesktop::describe(*field.document()).pictures.size(), 1u);
}

TEST_F(WASTEfieldTest, CopyCarriesStylesAndPicturesToAnotherField) {
    pasteHtml(field, QStringLiteral("<span style=\"color:#00ff00; font-size:18pt\">green</span>"));
    pastePicture(field, picture(3, 3, Qt::yellow));
    field.SelectAll();
    field.Copy();
    other.Paste();
    const auto doc = SimDesktop::describe(*other.document());
    EXPECT_EQ(doc.text, QStringLiteral("green") + QChar(QChar::ObjectReplacementCharacter));
    EXPECT_EQ(doc.runs.at(0).color, QColor(Qt::green));
    EXPECT_EQ(doc.runs.at(0).pointSize, 18);
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_EQ(doc.pictures[0].pixelColor(1, 1), QColor(Qt::yellow));
}

TEST_F(WASTEfieldTest, ACopiedSinglePictureIsOfferedAsAPicture) {
    pastePicture(field, picture(7, 7, Qt::blue));
    field.SelectAll();
    field.Copy();
    EXPECT_TRUE(Clipboard::offersPicture());
    EXPECT_EQ(Clipboard::picture().size(), QSize(7, 7));
    EXPECT_FALSE(Clipboard::offersText());
}

TEST_F(WASTEfieldTest, TheSavedClipboardFieldGivesBackEveryFormat) {
    field.setKeepsClipboardFormats(true);
    Clipboard::setMimeData(richUserClipboard());
    const Formats before = clipboardFormats();
    field.Paste();
    Clipboard::setText(QStringLiteral("something else"));
    field.SetSelection(0, field.GetTextLength());
    field.Copy();
    EXPECT_EQ(clipboardFormats(), before);
}

TEST_F(WASTEfieldTest, SaveAndLoadRoundTripCharactersStylesAndPictures) {
    pasteHtml(
        field,
        QStringLiteral("<p><span style=\"font-family:'Lucida Grande'; font-size:9pt\">small</span> "
                       "<span style=\"font-size:24pt; color:#0000ff\"><b>big blue</b></span></p>"
                       "<p><i>italic</i> \u00e9t\u00e9 \u2014 \u6f22\u5b57</p><p></p>"));
    pastePicture(field, picture(12, 9, Qt::red));
    Clipboard::setText(QStringLiteral("\rafter"));
    field.Paste();
    pastePicture(field, picture(4, 16, Qt::green));
    const auto before = SimDesktop::describe(*field.document());

    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("doc.html"))));
    ASSERT_TRUE(other.LoadFile(path(QStringLiteral("doc.html")), 0, other.GetTextLength()));
    const auto after = SimDesktop::describe(*other.document());

    EXPECT_EQ(after.text, before.text);
    ASSERT_EQ(after.pictures.size(), 2u);
    EXPECT_EQ(after.pictures[0].size(), QSize(12, 9));
    EXPECT_EQ(after.pictures[1].pixelColor(0, 0), QColor(Qt::green));
    ASSERT_EQ(after.runs.size(), before.runs.size());
    for (size_t i = 0; i < before.runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after.runs[i].start, before.runs[i].start);
        EXPECT_EQ(after.runs[i].family, before.runs[i].family);
        EXPECT_EQ(after.runs[i].pointSize, before.runs[i].pointSize);
        EXPECT_EQ(after.runs[i].bold, before.runs[i].bold);
        EXPECT_EQ(after.runs[i].italic, before.runs[i].italic);
        EXPECT_EQ(after.runs[i].color, before.runs[i].color);
    }
    EXPECT_EQ(other.SelStart(), other.GetTextLength()) << "the insertion point ends after the load";
}

TEST_F(WASTEfieldTest, LoadingIntoARangeReplacesOnlyThatRange) {
    field.SetText(QStringLiteral("inserted"));
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("part.html"))));
    other.SetText(QStringLiteral("[--]"));
    ASSERT_TRUE(other.LoadFile(path(QStringLiteral("part.html")), 1, 3));
    EXPECT_EQ(other.Text(), QStringLiteral("[inserted]"));
}

struct BadFile {
    const char* name;
    std::function<QByteArray(const QByteArray& good)> bytes;
};

void PrintTo(const BadFile& b, std::ostream* os) {
    *os << b.name;
}

class WASTEfieldBadFiles : public WASTEfieldTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(WASTEfieldBadFiles, AreRefusedAndLeaveTheFieldAsItWas) {
    field.SetText(QStringLiteral("a saved document"));
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("good.html"))));
    write(path(QStringLiteral("bad")), GetParam().bytes(read(path(QStringLiteral("good.html")))));
    other.SetText(QStringLiteral("keep me"));
    EXPECT_FALSE(other.LoadFile(path(QStringLiteral("bad")), 0, other.GetTextLength()));
    EXPECT_EQ(other.Text(), QStringLiteral("keep me"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WASTEfieldBadFiles,
    ::testing::Values(
        BadFile{"Truncated", [](const QByteArray& g) { return g.left(g.size() * 2 / 3); }},
        BadFile{"Binary",
                [](const QByteArray&) {
                    QByteArray b;
                    for (int i = 0; i < 4096; ++i)
                        b.append(char((i * 7919) % 256));
                    return b;
                }},
        BadFile{"NotUtf8", [](const QByteArray& g) { return QByteArray("\xff\xfe") + g; }},
        BadFile{"Empty", [](const QByteArray&) { return QByteArray(); }},
        BadFile{"FiftyMegabytesOfGarbage",
                [](const QByteArray&) { return QByteArray(50 * 1024 * 1024, 'A'); }}),
    [](const ::testing::TestParamInfo<BadFile>& p) { return std::string(p.param.name); });

TEST_F(WASTEfieldTest, AMissingFileIsRefused) {
    other.SetText(QStringLiteral("keep"));
    EXPECT_FALSE(other.LoadFile(path(QStringLiteral("missing")), 0, 4));
    EXPECT_EQ(other.Text(), QStringLiteral("keep"));
}

TEST_F(WASTEfieldTest, LoadingNeverReadsAFileOrTheNetworkThatTheDocumentNames) {
    // A picture beside the document that a careless loader would read.
    picture(20, 20, Qt::red).save(path(QStringLiteral("secret.png")));
    const QString html =
        QStringLiteral(
            "<!DOCTYPE html><html><body><p>x<img src=\"file://%1\">"
            "<img src=\"secret.png\"><img src=\"http://127.0.0.1:9/x.png\">"
            "<img src=\"file:///etc/passwd\"><span style=\"background-image:url(secret.png)\">"
            "y</span></p></body></html>")
            .arg(path(QStringLiteral("secret.png")));
    write(path(QStringLiteral("hostile.html")), html.toUtf8());
    ASSERT_TRUE(other.LoadFile(path(QStringLiteral("hostile.html")), 0, 0));
    const auto doc = SimDesktop::describe(*other.document());
    EXPECT_EQ(doc.text, QStringLiteral("xy"));
    EXPECT_TRUE(doc.pictures.empty());
    const QVariant leaked = other.document()->resource(QTextDocument::ImageResource,
                                                       QUrl(QStringLiteral("secret.png")));
    EXPECT_FALSE(leaked.isValid());
}

TEST_F(WASTEfieldTest, AFailedSaveKeepsTheOldFileWhole) {
    const QString file = path(QStringLiteral("board.html"));
    field.SetText(QStringLiteral("the old document"));
    ASSERT_TRUE(field.SaveFile(file));
    const QByteArray old = read(file);
    field.SetText(QStringLiteral("the new document"));

    Files::setWritesFail(true);
    EXPECT_FALSE(field.SaveFile(file));
    Files::setWritesFail(false);
    EXPECT_EQ(read(file), old);

    // A folder that cannot be written: the write goes nowhere and the old file stays.
    EXPECT_FALSE(field.SaveFile(path(QStringLiteral("no such folder/board.html"))));
    EXPECT_EQ(read(file), old);
    EXPECT_TRUE(QDir(folder()).entryList(QStringList{QStringLiteral("*.tmp*")}).isEmpty());
}

TEST_F(WASTEfieldTest, AFullDiskKeepsTheOldFileWhole) {
    // A tiny file system of its own; needs the rights to mount one, else it is skipped.
    const QString mount = path(QStringLiteral("tiny"));
    QDir().mkpath(mount);
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=64k"), QStringLiteral("tmpfs"), mount}) != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    }
    const QString file = mount + QStringLiteral("/board.html");
    field.SetText(QStringLiteral("small"));
    ASSERT_TRUE(field.SaveFile(file));
    const QByteArray old = read(file);
    pastePicture(field, picture(400, 400, QColor(1, 2, 3)));
    for (int i = 0; i < 40; ++i) // pictures of noise do not compress
        pastePicture(field, QImage(QSize(64, 64), QImage::Format_ARGB32));
    QString noise;
    for (int i = 0; i < 200000; ++i)
        noise += QChar(0x4e00 + (i * 7919) % 20000);
    Clipboard::setText(noise);
    field.Paste();
    EXPECT_FALSE(field.SaveFile(file));
    EXPECT_EQ(read(file), old);
    QProcess::execute(QStringLiteral("umount"), {mount});
}

} // namespace

namespace {

TEST_F(WASTEfieldTest, StyleOfTheWholeContentBecomesTheTypingStyleAndSurvivesEmptying) {
    field.SetText(QStringLiteral("old"));
    field.SetSelection(0, field.GetTextLength());
    field.SetSelTextFont(QStringLiteral("Helvetica"));
    field.SetSelTextSize(16);
    field.SetSelTextColor(Qt::red);
    field.SetText(QString());
    Clipboard::setText(QStringLiteral("new"));
    field.Paste();
    field.SetSelection(0, 3);
    EXPECT_EQ(field.SelTextFont(), QStringLiteral("Helvetica"));
    EXPECT_EQ(field.SelTextSize(), 16);
    EXPECT_EQ(field.SelTextColor(), QColor(Qt::red));
    QString font;
    ASSERT_TRUE(field.GetAttString(QStringLiteral("font"), -2, font));
    EXPECT_EQ(font, QStringLiteral("Helvetica"));
}

TEST_F(WASTEfieldTest, PrintAndPageSetupGoThroughTheDesktopWithTheFieldsPageSetup) {
    field.SetText(QStringLiteral("page"));
    const QPageLayout landscape(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                QMarginsF(5, 5, 5, 5));
    sim().setPageSetupChoice(landscape);
    EXPECT_EQ(field.PageSetup(), 0);
    sim().scriptPrintResult(-30);
    EXPECT_EQ(field.Print(), -30);
    EXPECT_EQ(field.Print(), 0);
    ASSERT_EQ(sim().prints().size(), 2u);
    EXPECT_TRUE(sim().prints()[1].layout.isEquivalentTo(landscape));
    EXPECT_EQ(sim().prints()[1].text, QStringLiteral("page"));
    EXPECT_FALSE(other.pageSetup().layout.isEquivalentTo(landscape)) << "each field keeps its own";
}

} // namespace

namespace {
TEST_F(WASTEfieldTest, TrailingLineBreaksAfterAPictureSurviveACopy) {
    pastePicture(field, picture(4, 4, Qt::red));
    Clipboard::setText(QStringLiteral(" \r\r"));
    field.Paste();
    field.SelectAll();
    field.Copy();
    other.Paste();
    EXPECT_EQ(other.Text(), QString(QChar::ObjectReplacementCharacter) + " \r\r");
}
} // namespace
