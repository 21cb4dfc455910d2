#include "VelloraTest.h"

#include "platform/Clipboard.h"
#include "platform/CreatorCodes.h"
#include "platform/Files.h"
#include "platform/KeyCodes.h"
#include "platform/SourcePage.h"
#include "platform/Wording.h"

#include <QMimeData>

namespace {

TEST(CreatorCodes, MapWindowClassesToTheFixedFamilies) {
    struct Row {
        const char* name;
        const char* windowClass;
        const char* code;
    } rows[] = {{"Navigator", "firefox-esr", "MOZB"},       {"Navigator", "Firefox", "MOZB"},
                {"chromium", "Chromium", "sfri"},           {"epiphany", "Epiphany", "sfri"},
                {"google-chrome", "Google-chrome", "sfri"}, {"thunar", "Thunar", "MACS"},
                {"nautilus", "org.gnome.Nautilus", "MACS"}, {"mousepad", "Mousepad", "mousepad"},
                {"featherpad", "FeatherPad", "featherpad"}, {"", "", ""}};
    for (const Row& r : rows) {
        EXPECT_EQ(CreatorCodes::forWindowClass(QString::fromLatin1(r.name),
                                               QString::fromLatin1(r.windowClass)),
                  QString::fromLatin1(r.code))
            << r.windowClass;
    }
    EXPECT_TRUE(CreatorCodes::isTerminal(QStringLiteral("xterm"), QStringLiteral("XTerm")));
    EXPECT_FALSE(CreatorCodes::isTerminal(QStringLiteral("mousepad"), QStringLiteral("Mousepad")));
}

TEST(KeyCodes, TheLetterTableAndTheKeysTheJobsPost) {
    EXPECT_EQ(KeyCodes::forLetter('p'), 35);
    EXPECT_EQ(KeyCodes::forLetter('H'), 4);
    EXPECT_EQ(KeyCodes::forLetter('s'), 1);
    EXPECT_EQ(KeyCodes::forLetter('1'), -1);
    EXPECT_EQ(KeyCodes::keysymFor(8), static_cast<unsigned long>('c'));
    EXPECT_EQ(KeyCodes::keysymFor(123), 0xff51ul);
    EXPECT_EQ(KeyCodes::keysymFor(999), 0ul);
}

TEST(Wording, PutsKeyAndDesktopNamesIntoThisDesktopsTerms) {
    EXPECT_EQ(
        Wording::forDesktop(QStringLiteral("Use Option-Control-p, a Command-click or Command-v.")),
        QStringLiteral("Use Ctrl+Alt+p, a Ctrl-click or Ctrl+V."));
    EXPECT_EQ(
        Wording::forDesktop(QStringLiteral("OS X shows it in the Dock; hold the Option key.")),
        QStringLiteral("the desktop shows it in the panel; hold the Alt key."));
}

TEST(Files, ResolvesColonPathsInsideTheApplicationFolderOnly) {
    Files::setApplicationFolder(QStringLiteral("/opt/vellora"));
    EXPECT_EQ(Files::resolve(QStringLiteral(":Vellora Resources:Vellora KS")),
              QStringLiteral("/opt/vellora/Vellora Resources/Vellora KS"));
    EXPECT_TRUE(Files::resolve(QStringLiteral(":Vellora Resources:..:..:etc")).isEmpty());
    EXPECT_TRUE(Files::resolve(QStringLiteral(":a/b")).isEmpty());
    Files::setApplicationFolder(QString());
}

class SimulatedDesktop : public VelloraTest {};

TEST_F(SimulatedDesktop, CopiesOnlyWhenTheFourKeyEventsArriveInOrder) {
    editorSelects(QStringLiteral("selected"));
    Clipboard::setText(QString());
    Desktop& d = sim();
    d.PostKeyEvent(QStringLiteral("C"), 8, true);
    d.PostCommandKeyEvent(true);
    d.PostKeyEvent(QStringLiteral("C"), 8, false);
    d.PostCommandKeyEvent(false);
    EXPECT_EQ(Clipboard::text(), QString());
    d.PostCommandKeyEvent(true);
    d.PostKeyEvent(QStringLiteral("C"), 8, true);
    d.PostKeyEvent(QStringLiteral("C"), 8, false);
    d.PostCommandKeyEvent(false);
    EXPECT_EQ(Clipboard::text(), QStringLiteral("selected"));
}

TEST_F(SimulatedDesktop, AddressScriptsPreferTheAddressTheBrowserAttached) {
    auto& firefox = sim().addApp(QStringLiteral("MOZB"));
    firefox.addressBar = QStringLiteral("https://bar.example/");
    sim().setFront(QStringLiteral("MOZB"));

    auto* copied = new QMimeData;
    copied->setText(QStringLiteral("para"));
    const QString source = QStringLiteral("https://source.example/page.html");
    copied->setData(QStringLiteral("text/x-moz-url-priv"),
                    QByteArray(reinterpret_cast<const char*>(source.utf16()), source.size() * 2));
    SourcePage::note(*copied);
    delete copied;
    sim().runAddressScript(QStringLiteral("GetFireFoxURL"));
    EXPECT_EQ(Clipboard::text(), source);
    EXPECT_TRUE(sim().postedKeys().isEmpty());

    SourcePage::forget();
    sim().runAddressScript(QStringLiteral("GetFireFoxURL"));
    EXPECT_EQ(Clipboard::text(), QStringLiteral("https://bar.example/"));
    EXPECT_EQ(sim().postedKeys(), (QStringList{"Ctrl+L", "Ctrl+C", "Escape"}));
}

TEST_F(SimulatedDesktop, AnUnknownOrEmptyCreatorBringsNothingForward) {
    EXPECT_EQ(sim().SetProcessWithCreatorFront(QString()), -1);
    EXPECT_EQ(sim().SetProcessWithCreatorFront(QStringLiteral("nope")), -1);
    EXPECT_EQ(sim().GetFrontProcessCreator(), QStringLiteral("mousepad"));
}

} // namespace
