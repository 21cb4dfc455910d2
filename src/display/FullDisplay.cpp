#include "FullDisplay.h"

#include "HelpTags.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/Pictures.h"
#include "platform/WASTEfield.h"
#include "printjob/ClipboardSteps.h"

namespace FullDisplay {

const QString kTagAsCreated = QStringLiteral(
    "Click once to create a Desktop Printer. Click again to restore the full display.\r\r"
    "Use the Title Bar to drag the Desktop Printer.  \r\r"
    "Command-click printer icon to print the Clipboard.\r\r"
    "Drag & drop clipping files & text/images onto printer icon/Desktop Printer to print them.");
const QString kTagDesktopPrinter = QStringLiteral(
    "Click button once to restore the full display\r\r"
    "Use the Title Bar to drag the Desktop Printer.  Command-click printer icon to print the "
    "Clipboard.\r\r"
    "Drag & drop clipping files or selections of text/graphics onto printer icon to print them.");
const QString kTagDesktopPrinterFromView = QStringLiteral(
    "Click button once to restore full display\r\r"
    "Use Title Bar to drag Desktop Printer.  Command-click printer icon to print the "
    "Clipboard.\r\r"
    "Drag & drop clipping files or selections of text/graphics onto printer icon to print them.");
const QString kTagDesktopPrinterFromDrawer = QStringLiteral(
    "Click button once to restore full display\r\r"
    "Use Title Bar to drag Desktop Printer.\r\r"
    "Command-click printer icon to print the Clipboard.\r\r"
    "Drag & drop clipping files or selections of text/graphics onto printer icon to print them.");
const QString kTagFullDisplay = QStringLiteral(
    "Click button once to create a Desktop Printer.  Click again to restore full display.\r\r"
    "Command-click printer icon to print the Clipboard.\r\r"
    "Drag & drop clipping files or selections of text/graphics onto printer icon to print them.");

namespace {

void (*g_closeDrawer)() = nullptr;
void (*g_showDrawer)(int) = nullptr;

void closeDrawer() {
    if (g_closeDrawer)
        g_closeDrawer();
}

// The nine controls the Desktop Printer hides.
QList<QWidget*> nineControls(Vellora1& w) {
    return {w.QuitButton,
            w.VLHelp,
            w.VLPrintMultipleCopies,
            w.PrintMultipleCopiesWNote,
            w.VLPrintOneCopy,
            w.PrintOneCopyWNote,
            w.HelpTagsCheckbox,
            w.LittleArrows1,
            w.PreferencesPushButton};
}

void setMainFlags() {
    Module1::DisplayVelloraWindow = true;
    Module1::VelloraVisible = true;
    Module1::DisplayDrawWindow = false;
}

void clampFullDisplayLeft(Vellora1& w) {
    const int sw = desktop().screenSize().width();
    if (w.Left() < 2)
        w.setLeft(2);
    else if (w.Left() > sw - 180)
        w.setLeft(sw - 180);
}

void stashClipboard(Vellora1& w) {
    // While a job borrows the Clipboard it holds the job's material, and the user's own is
    // already saved: the pointer passes over the icon during a job, and comes to rest on it
    // as a drop onto it ends.
    if (ClipboardSteps::borrowing() || !ClipboardSteps::worthSaving())
        return;
    w.SaveOldClipboardWASTEfield->SetText(QString());
    w.SaveOldClipboardWASTEfield->Paste();
    Clipboard::release();
}

void printerButtonAction(Vellora1& w) {
    if (desktop().commandKeyDown()) {
        Module1::PrintClipboard();
        return;
    }
    if (isDesktopPrinter(w)) {
        restoreFullDisplay(w);
    } else {
        enterDesktopPrinter(w, kTagDesktopPrinter);
    }
    closeDrawer();
    setMainFlags();
}

void arrow(Vellora1& w, bool up) {
    static const int stages[] = {374, 301, 182, 135};
    for (int i = 0; i < 4; ++i) {
        if (w.height() != stages[i])
            continue;
        const int next = up ? i + 1 : i - 1;
        if (next >= 0 && next < 4)
            w.setSize(w.width(), stages[next]);
        return;
    }
}

} // namespace

void setDrawerHooks(void (*close)(), void (*show)(int)) {
    g_closeDrawer = close;
    g_showDrawer = show;
}

bool isDesktopPrinter(const Vellora1& w) {
    return w.QuitButton->isHidden();
}

void enterDesktopPrinter(Vellora1& w, const QString& tip) {
    for (QWidget* control : nineControls(w))
        control->hide();
    HelpTags::set(w.IconifyButton, tip);
    w.setWindowTitle(QStringLiteral("VL"));
    place(w.IconifyButton, 0, 1, 36, 38);
    w.IconifyButton->show();
    w.setSize(36, 38);
    const int sw = desktop().screenSize().width();
    if (sw - w.Left() < 36)
        w.setLeft(sw - 36);
    if (w.Left() < 2)
        w.setLeft(2);
}

void restoreFullDisplay(Vellora1& w) {
    for (QWidget* control : nineControls(w))
        control->show();
    w.setWindowTitle(QStringLiteral("Vellora"));
    HelpTags::set(w.IconifyButton, kTagFullDisplay);
    place(w.IconifyButton, 137, 7, 36, 38);
    w.setSize(176, 374);
    clampFullDisplayLeft(w);
}

void ViewDesktopPrinter() {
    Vellora1& w = Vellora1::instance();
    setMainFlags();
    enterDesktopPrinter(w, kTagDesktopPrinterFromView);
    w.show();
    closeDrawer();
    Module1::VelloraVisible = true;
    Module1::DisplayLastVisible = QStringLiteral("Vellora1");
}

void ViewDrawer() {
    const int width = Module1::MinimizeDrawerWindow ? 82 : 240;
    if (g_showDrawer)
        g_showDrawer(width);
    Module1::DisplayDrawWindow = true;
    Module1::DisplayVelloraWindow = false;
    Module1::DrawerWindowVisible = true;
    Vellora1::instance().hide();
    Module1::DisplayLastVisible = QStringLiteral("DrawerWindow");
}

void ViewFullDisplay() {
    Vellora1& w = Vellora1::instance();
    closeDrawer();
    setMainFlags();
    if (w.isVisible() && w.width() >= 100)
        return;
    restoreFullDisplay(w);
    w.show();
    Module1::DisplayLastVisible = QStringLiteral("Vellora1");
}

void install(Vellora1& w) {
    QPalette palette = w.palette();
    palette.setColor(QPalette::Window, QColor(0x9E, 0xC6, 0xFF));
    const QPixmap metal = Pictures::get(QStringLiteral("MetalDark"), QSize(176, 374));
    if (!metal.isNull())
        palette.setBrush(QPalette::Window, QBrush(metal));
    w.setPalette(palette);
    w.setAutoFillBackground(true);
    // Captions on the dark metal read in white; the buttons keep their own colours.
    for (QWidget* text : QList<QWidget*>{w.PrintOneLabel, w.PrintMultipleCopiesLabel, w.StaticText1,
                                         w.HelpTagsCheckbox}) {
        QPalette light = text->palette();
        light.setColor(QPalette::WindowText, Qt::white);
        text->setPalette(light);
    }

    w.IconifyButton->setIcon(QIcon(Pictures::get(QStringLiteral("NewPrinter2"), QSize(36, 38))));
    w.IconifyButton->setIconSize(QSize(32, 34));
    w.IconifyButton->setFlat(true);
    HelpTags::set(w.IconifyButton, kTagAsCreated);
    HelpTags::installMainWindowTags(w);

    QObject::connect(w.IconifyButton, &QPushButton::clicked, &w, [&w] { printerButtonAction(w); });
    QObject::connect(w.IconifyButton, &BevelButton::MouseEnter, &w, [&w] { stashClipboard(w); });
    QObject::connect(w.LittleArrows1, &LittleArrows::Up, &w, [&w] { arrow(w, true); });
    QObject::connect(w.LittleArrows1, &LittleArrows::Down, &w, [&w] { arrow(w, false); });
}

} // namespace FullDisplay
