#include "Vellora1.h"

#include "Module1.h"
#include "display/DrawerWindow.h"
#include "display/FullDisplay.h"
#include "dropintake/PrintBoardDrop.h"
#include "dropintake/PrinterDrop.h"
#include "platform/Desktop.h"
#include "platform/Timer.h"
#include "platform/WASTEfield.h"
#include "preferences/PreferencesWindow.h"
#include "printboard/PrintBoardWindow.h"
#include "printboard/SaveToPrintBoard.h"
#include "printjob/AddNoteWindow.h"
#include "printjob/ClipboardFunctions.h"
#include "printjob/SelectionJobs.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QMouseEvent>

namespace {
const QString kGeneva = QStringLiteral("Geneva");
const QString kLucida = QStringLiteral("Lucida Grande");
} // namespace

Vellora1::Vellora1() {
    setObjectName(QStringLiteral("Vellora1"));
    // A palette above every application that never takes the activation from the one in front.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Vellora"));
    setMinimumSize(1, 1);
    setMaximumSize(32000, 32000);

    auto button = [this](const QString& name, const QString& caption, int size, int l, int t, int w,
                         int h) {
        auto* b = new PaletteButton(name, caption, this);
        setControlFont(b, kGeneva, size);
        place(b, l, t, w, h);
        return b;
    };
    auto label = [this](const QString& name, const QString& caption, int l, int t, int w, int h) {
        auto* text = new QLabel(caption, this);
        text->setObjectName(name);
        text->setAlignment(Qt::AlignCenter);
        setControlFont(text, kGeneva, 12);
        place(text, l, t, w, h);
        return text;
    };
    auto separator = [this](const QString& name, int l, int t, int w, int h) {
        auto* s = new Separator(name, this);
        place(s, l, t, w, h);
        return s;
    };

    QuitButton = new BevelButton(QStringLiteral("QuitButton"), QStringLiteral("Quit"), this);
    setControlFont(QuitButton, kGeneva, 11);
    place(QuitButton, 3, 7, 34, 37);
    LittleArrows1 = new LittleArrows(this);
    place(LittleArrows1, 81, 7, 13, 38);
    IconifyButton = new BevelButton(QStringLiteral("IconifyButton"), QString(), this);
    place(IconifyButton, 137, 7, 36, 38);
    PrintOneLabel =
        label(QStringLiteral("PrintOneLabel"), QStringLiteral("Print Selection:"), 34, 59, 108, 18);
    VLPrintOneCopyNoStamp = button(QStringLiteral("VLPrintOneCopyNoStamp"),
                                   QStringLiteral("No Stamp"), 10, 3, 81, 69, 20);
    VLPrintOneCopy = button(QStringLiteral("VLPrintOneCopy"), QStringLiteral("W/Date Stamp"), 10,
                            79, 81, 94, 20);
    PrintOneCopyWNote = button(QStringLiteral("PrintOneCopyWNote"), QStringLiteral("W/Date+Note"),
                               10, 45, 109, 88, 20);
    PrintMultipleCopiesLabel = label(QStringLiteral("PrintMultipleCopiesLabel"),
                                     QStringLiteral("Set Page Setup:"), 29, 135, 120, 18);
    PageSetUpPushButton = button(QStringLiteral("PageSetUpPushButton"),
                                 QStringLiteral("Page Setup"), 10, 45, 157, 88, 20);
    Separator3 = separator(QStringLiteral("Separator3"), 1, 184, 174, 4);
    Separator4 = separator(QStringLiteral("Separator4"), 1, 185, 184, 4);
    StaticText1 = label(QStringLiteral("StaticText1"), QStringLiteral("Clipboard Functions:"), 29,
                        190, 120, 18);
    ClipboardToPrintBoardPushButton =
        button(QStringLiteral("ClipboardToPrintBoardPushButton"),
               QStringLiteral("Save to PrintBoard"), 11, 30, 212, 116, 20);
    PrintClipboardPushButton = button(QStringLiteral("PrintClipboardPushButton"),
                                      QStringLiteral("Print"), 11, 14, 240, 69, 20);
    ClearClipboardPushButton = button(QStringLiteral("ClearClipboardPushButton"),
                                      QStringLiteral("Clear"), 11, 93, 240, 69, 20);
    Separator2 = separator(QStringLiteral("Separator2"), 1, 267, 174, 4);
    Separator5 = separator(QStringLiteral("Separator5"), 1, 268, 184, 4);
    PushButton1 = button(QStringLiteral("PushButton1"), QStringLiteral("Open PrintBoard"), 11, 33,
                         277, 110, 20);
    Separator1 = separator(QStringLiteral("Separator1"), 1, 304, 174, 4);
    Separator6 = separator(QStringLiteral("Separator6"), 1, 305, 174, 4);
    PreferencesPushButton = button(QStringLiteral("PreferencesPushButton"),
                                   QStringLiteral("Preferences"), 11, 45, 314, 88, 20);
    HelpTagsCheckbox = new WrappingCheckBox(QStringLiteral("HelpTagsCheckbox"),
                                            QStringLiteral("   Show Help Tags"), this);
    setControlFont(HelpTagsCheckbox, kGeneva, 11);
    place(HelpTagsCheckbox, 101, 342, 72, 26);
    VLHelp = button(QStringLiteral("VLHelp"), QStringLiteral("Help"), 11, 3, 344, 69, 20);

    // The Page Setup group lies outside the 176-wide window; no code presses it.
    VLPrintMultipleCopies = button(QStringLiteral("VLPrintMultipleCopies"),
                                   QStringLiteral("W/Date Stamp"), 10, 211, 157, 94, 20);
    PrintMultipleCopiesWNote = button(QStringLiteral("PrintMultipleCopiesWNote"),
                                      QStringLiteral("W/Date+Note"), 10, 221, 185, 88, 20);
    VLPrintMultpleCopiesNoStamp = button(QStringLiteral("VLPrintMultpleCopiesNoStamp"),
                                         QStringLiteral("No Stamp"), 10, 211, 205, 69, 20);

    WASTEfield1 = hiddenField(QStringLiteral("WASTEfield1"), kGeneva, -40, 44, 20, 20);
    SaveOldClipboardWASTEfield =
        hiddenField(QStringLiteral("SaveOldClipboardWASTEfield"), kLucida, -75, 32, 60, 20);
    SaveOldClipboardWASTEfield->setKeepsClipboardFormats(true);
    SaveLastJobWASTEfield =
        hiddenField(QStringLiteral("SaveLastJobWASTEfield"), kLucida, -75, 60, 40, 20);
    EditField1 = hiddenField(QStringLiteral("EditField1"), kLucida, -100, 4, 80, 22);
    EditField2 = hiddenField(QStringLiteral("EditField2"), kLucida, -100, 44, 80, 22);
    NewEditfield3 = hiddenField(QStringLiteral("NewEditfield3"), kLucida, -100, 100, 80, 22);
    DragAndDropBackDropCanvas = new Canvas(this);
    DragAndDropBackDropCanvas->setObjectName(QStringLiteral("DragAndDropBackDropCanvas"));
    place(DragAndDropBackDropCanvas, -100, -15, 100, 100);
    DragAndDropBackDropCanvas->hide();

    PrintNoStampTimer1 = timer(QStringLiteral("PrintNoStampTimer1"), 1000);
    PrintNoStampTimer2 = timer(QStringLiteral("PrintNoStampTimer2"), 1000);
    PrintOneCopyWStampTimer1 = timer(QStringLiteral("PrintOneCopyWStampTimer1"), 1000);
    PrintOneCopyWStampTimer2 = timer(QStringLiteral("PrintOneCopyWStampTimer2"), 1000);
    PrintMultpleCopiesNoStampTimer1 =
        timer(QStringLiteral("PrintMultpleCopiesNoStampTimer1"), 1000);
    PrintMultpleCopiesNoStampTimer2 =
        timer(QStringLiteral("PrintMultpleCopiesNoStampTimer2"), 1000);
    PrintMultipleCopiesWStampTimer1 =
        timer(QStringLiteral("PrintMultipleCopiesWStampTimer1"), 1000);
    PrintMultipleCopiesWStampTimer2 =
        timer(QStringLiteral("PrintMultipleCopiesWStampTimer2"), 1000);
    AddNoteNoPageSetUpTimer = timer(QStringLiteral("AddNoteNoPageSetUpTimer"), 1000);
    AddNoteWithPageSetUpTimer = timer(QStringLiteral("AddNoteWithPageSetUpTimer"), 1000);
    InitializePKSTimer = timer(QStringLiteral("InitializePKSTimer"), 1000);
    HelpTagTimer = timer(QStringLiteral("HelpTagTimer"), 500);
    DrawerWindowUpTimer = timer(QStringLiteral("DrawerWindowUpTimer"), 3);
    DrawerWindowDownTimer = timer(QStringLiteral("DrawerWindowDownTimer"), 3);

    resize(176, 374);
    InitializePKSTimer->setAction([] {
        // A window the user opened in the meantime is theirs to close.
        if (PreferencesWindow* prefs = PreferencesWindow::existing();
            prefs && !prefs->isVisible()) {
            prefs->resize(1, 1);
            prefs->close();
        }
    });
    connect(QuitButton, &QPushButton::clicked, this, [this] {
        Settings::writePosition(Settings::MainWindowPosition, QPoint(Left(), Top()));
        quitApplication();
    });
    FullDisplay::install(*this);
    DrawerWindow::install();
    PreferencesWindow::install(*this);
    PrintBoardWindow::install(*this);
    SaveToPrintBoard::install(*this);
    PrinterDrop::install(*this);
    PrintBoardDrop::install(*this);
    SelectionJobs::install(*this);
    ClipboardFunctions::install(*this);
    AddNoteWindow::install(*this);
}

Vellora1::~Vellora1() = default;

WASTEfield* Vellora1::hiddenField(const QString& name, const QString& font, int left, int top,
                                  int width, int height) {
    auto* field = new WASTEfield(name, font, 12, this);
    place(field, left, top, width, height);
    field->setFocusPolicy(Qt::NoFocus);
    field->hide();
    return field;
}

Timer* Vellora1::timer(const QString& name, int periodMs) {
    return new Timer(name, periodMs, this);
}

void Vellora1::setLeft(int left) {
    setGeometry(left, Top(), width(), height());
}

void Vellora1::setTop(int top) {
    setGeometry(Left(), top, width(), height());
}

void Vellora1::setSize(int width, int height) {
    setGeometry(Left(), Top(), width, height);
}

void Vellora1::Open() {
    Module1::PrintBoardMenuItems = 0;
    // The Preferences window opens hidden so that its Open step loads the settings; one second
    // later it closes again, and its Close step writes them back.
    PreferencesWindow::instance().hide();
    InitializePKSTimer->setMode(Timer::ModeSingle);
    const QSize screen = desktop().screenSize();
    setGeometry(screen.width() - 300, int(screen.height() / 2.0 - 200), 176, 374);
}

const QString Vellora1::kUnsavedPrintBoard = QStringLiteral(
    "There appears to be unsaved changes that have been made to the PrintBoard.  Please close "
    "the PrintBoard before quitting Vellora.");

bool Vellora1::CancelClose() {
    PrintBoardWindow* board = PrintBoardWindow::existing();
    if (board && board->isVisible() && board->hasUnsavedChanges()) {
        desktop().beep();
        desktop().showMessage(kUnsavedPrintBoard);
        return true;
    }
    if (Module1::PrintBoardVisible && board)
        board->close();
    return false;
}

void Vellora1::Close() {
    Module1::VelloraVisible = false;
    Settings::writePosition(Settings::MainWindowPosition, QPoint(Left(), Top()));
}

void Vellora1::quitApplication() {
    Vellora1* main = existing();
    if (main && !main->close())
        return;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->isWindow() && w != main)
            w->close();
    }
    QApplication::quit();
}

void Vellora1::mousePressEvent(QMouseEvent* event) {
    // A click on the background (never on a button, which takes its own clicks) brings us forward.
    desktop().BringProcessFront();
    SingletonWindow<Vellora1>::mousePressEvent(event);
}
