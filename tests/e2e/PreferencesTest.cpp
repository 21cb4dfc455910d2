#include "E2eTest.h"

namespace {

using PreferencesRefusal = E2eTest;

// The bundle ships with "No Stamp" chosen for drag-and-drop printing, so its box is checked.
TEST_F(PreferencesRefusal, AClickOnTheCheckedBoxIsRefusedWithAMessageAndTheBoxStaysChecked) {
    clickPalette(PaletteControls::Preferences);
    const PrivateDesktop::WindowId prefs =
        waitForVelloraWindow(QStringLiteral("Vellora Preferences"));
    ASSERT_NE(prefs, 0u) << "the Preferences window did not open";
    const QRect box(74, 316, 116, 20); // "No Stamp"
    // Refused twice in a row: had the first click unchecked the box, the second would check it
    // without a word.
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        ASSERT_TRUE(desk.activate(prefs));
        desk.click(desk.clientGeometry(prefs).topLeft() + QPoint(box.left() + 8, box.center().y()));
        PrivateDesktop::WindowId message = 0;
        EXPECT_TRUE(waitUntil(
            [&] {
                const auto active = desk.activeWindow();
                if (active && active != prefs && active != paletteWindow &&
                    desk.windowName(active) == QLatin1String("Vellora"))
                    message = active;
                return message != 0;
            },
            10000))
            << "no refusal message came up; active: "
            << desk.windowName(desk.activeWindow()).toStdString();
        desk.key(QStringLiteral("Return"));
        EXPECT_TRUE(waitUntil([&] { return desk.clientGeometry(message).isEmpty(); }, 10000))
            << "the message did not go away";
    }
}

} // namespace
