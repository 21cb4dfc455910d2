#include "E2eTest.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QUrl>

namespace {

const QString kParagraph = QStringLiteral("Seven quick zebras jump over the lazy brown dog\n"
                                          "while the river keeps running under the old bridge");
// A colour no page, frame or font of the test uses, so that its pixels are the picture's.
const QColor kPictureColour(200, 30, 160);
const QSize kPictureSize(60, 40);

class PrintBoardE2e : public E2eTest {
protected:
    QString boardFile() const { return resourcesFolder() + QStringLiteral("/PrintBoard"); }

    // Clicks "Save to PrintBoard" and waits until the board file has been written anew.
    void saveToPrintBoard() {
        const QFileInfo before(boardFile());
        const qint64 size = before.exists() ? before.size() : -1;
        clickPalette(PaletteControls::SaveToPrintBoard);
        ASSERT_TRUE(waitUntil([&] { return QFileInfo(boardFile()).size() > size; }, 10000))
            << "the PrintBoard file was not written";
        EXPECT_TRUE(waitUntil([&] { return editorIsActive(); }, 10000))
            << "the editor is not in front again; active: "
            << desk.windowName(desk.activeWindow()).toStdString();
    }

    // Shows the board file in the browser without a window; returns the page as the browser
    // sees it (its DOM) and leaves a picture of it in screenshot.
    QString showInBrowser(const QString& screenshot) {
        // The file has no name extension; the browser goes by it.
        const QString page = desk.home() + QStringLiteral("/board.html");
        QFile::remove(page);
        if (!QFile::copy(boardFile(), page))
            return QString();
        const QStringList common = {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                    QStringLiteral("--disable-gpu"),
                                    QStringLiteral("--force-device-scale-factor=1"),
                                    QStringLiteral("--window-size=800,600")};
        const QString address = QUrl::fromLocalFile(page).toString();
        desk.run(QStringLiteral("chromium"),
                 common + QStringList{QStringLiteral("--screenshot=") + screenshot, address}, {},
                 60000);
        const auto dom =
            desk.run(QStringLiteral("chromium"),
                     common + QStringList{QStringLiteral("--dump-dom"), address}, {}, 60000);
        return QString::fromUtf8(dom.out);
    }
};

TEST_F(PrintBoardE2e, SavedMaterialShowsLastInTheOpenedBoardAndTheFileShowsInABrowser) {
    ASSERT_NO_FATAL_FAILURE(typeIntoEditor(kParagraph));
    QImage picture(kPictureSize, QImage::Format_RGB32);
    picture.fill(kPictureColour);
    const QString pictureFile = desk.home() + QStringLiteral("/picture.png");
    ASSERT_TRUE(picture.save(pictureFile));

    ASSERT_TRUE(desk.setClipboardPicture(pictureFile));
    ASSERT_NO_FATAL_FAILURE(saveToPrintBoard());
    ASSERT_EQ(editorText(), kParagraph); // copies the whole document
    ASSERT_NO_FATAL_FAILURE(saveToPrintBoard());
    EXPECT_EQ(desk.clipboard(), kParagraph + QStringLiteral(" \n\n"))
        << "the Clipboard holds the material and the separator";

    clickPalette(PaletteControls::OpenPrintBoard);
    const PrivateDesktop::WindowId board =
        waitForVelloraWindow(QStringLiteral("PrintBoard: Collect Info You Want to Print"));
    ASSERT_NE(board, 0u) << "the PrintBoard did not open";
    const QString shown = wholeTextOf(board);
    EXPECT_TRUE(shown.endsWith(kParagraph + QStringLiteral(" \n\n")))
        << "the PrintBoard shows: " << shown.toStdString();

    const QString screenshot = desk.home() + QStringLiteral("/board.png");
    const QString dom = showInBrowser(screenshot);
    EXPECT_TRUE(dom.contains(QStringLiteral("<img src=\"data:image/png;base64,")))
        << dom.toStdString();
    EXPECT_TRUE(dom.contains(kParagraph.section(QLatin1Char('\n'), 0, 0))) << dom.toStdString();
    const QImage page(screenshot);
    ASSERT_FALSE(page.isNull()) << "the browser gave no picture of the page";
    int pictureCells = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x)
            pictureCells += page.pixelColor(x, y) == kPictureColour;
    }
    EXPECT_EQ(pictureCells, kPictureSize.width() * kPictureSize.height())
        << "the browser did not show the picture whole";
    if (HasFailure())
        page.save(artifact(QStringLiteral("failed-board-in-browser.png")));
}

} // namespace
