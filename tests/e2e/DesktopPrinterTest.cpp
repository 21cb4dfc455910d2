#include "E2eTest.h"

namespace {

using DesktopPrinter = E2eTest;

TEST_F(DesktopPrinter, PrinterIconShrinksThePaletteAndRestoresItWithoutTakingTheActivation) {
    ASSERT_NO_FATAL_FAILURE(typeIntoEditor(QStringLiteral("An editor beside the palette")));
    desk.parkPointer();
    EXPECT_TRUE(
        desk.screenshot(artifact(QStringLiteral("full-display.png")), editorAndPaletteArea()));
    const QPoint fullDisplayPlace = paletteGeometry().topLeft();

    struct Step {
        const char* what;
        QRect icon;
        QSize size;
        QString title;
        QString picture;
    };
    const Step steps[] = {
        {"to the Desktop Printer", PaletteControls::PrinterIcon, PaletteControls::DesktopPrinter,
         QStringLiteral("VL"), QStringLiteral("desktop-printer.png")},
        {"back to the full display", PaletteControls::PrinterIconOfDesktopPrinter,
         PaletteControls::FullDisplay, QStringLiteral("Vellora"), QString()},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(editorIsActive());
        clickPalette(step.icon);
        EXPECT_TRUE(waitUntil(
            [&] {
                return paletteGeometry().size() == step.size &&
                       desk.windowName(paletteWindow) == step.title;
            },
            10000))
            << "the palette is " << paletteGeometry().width() << " x " << paletteGeometry().height()
            << ", titled " << desk.windowName(paletteWindow).toStdString();
        EXPECT_TRUE(holdsFor([&] { return editorIsActive(); }, 500))
            << "the click made this active: " << desk.windowName(desk.activeWindow()).toStdString();
        EXPECT_EQ(paletteGeometry().topLeft(), fullDisplayPlace) << "the palette moved";
        if (!step.picture.isEmpty()) {
            desk.parkPointer();
            EXPECT_TRUE(desk.screenshot(artifact(step.picture), editorAndPaletteArea()));
        }
    }
}

} // namespace
