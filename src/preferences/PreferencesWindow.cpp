#include "PreferencesWindow.h"

#include "app/Module1.h"
#include "app/Vellora1.h"
#include "display/DrawerWindow.h"
#include "display/HelpTags.h"
#include "platform/Desktop.h"
#include "settings/Settings.h"

PreferenceBox::PreferenceBox(const QString& name, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
}

void PreferenceBox::joinGroup(QList<PreferenceBox*>* group, const QString& refusal,
                              const QString& value) {
    m_group = group;
    m_refusal = refusal;
    m_value = value;
    group->append(this);
}

void PreferenceBox::nextCheckState() {
    if (!m_group) {
        QCheckBox::nextCheckState();
        return;
    }
    if (isChecked()) {
        desktop().beep();
        desktop().showMessage(m_refusal);
        return;
    }
    for (PreferenceBox* other : *m_group) {
        if (other != this) {
            other->setChecked(false);
            other->repaint();
        }
    }
    if (!m_value.isEmpty())
        Module1::DragAndDropPrintPref = m_value;
    setChecked(true);
}

namespace {

const QString kDisplayRefusal = QStringLiteral(
    "To disable this preference item, you must select one of the other display preference items.");
const QString kDragAndDropRefusal = QStringLiteral(
    "To disable this preference item, you must select one of the other drag-and-drop preference "
    "items.");
const QString kSwitchLater = QStringLiteral(
    "\r\rYou can instantly switch to another display mode by using Vellora's View menu.");
const QString kDropNote = QStringLiteral(
    "\r\rThe same choice decides what is added when you drop selections onto the Drawer window "
    "with the Option key held down, which adds them to the PrintBoard.\r\rIt also decides how "
    "the keyboard shortcut for printing prints your selection.");
const QString kBrowserNote = QStringLiteral(
    "\r\rNOTE:  When working with selections from either Safari or FireFox, a URL stamp also will "
    "be added to your selections.");

QLabel* heading(QWidget* parent, const QString& name, const QString& text, QRect at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    setControlFont(label, QStringLiteral("Geneva"), 12);
    label->setGeometry(at);
    return label;
}

DrawerWindow* drawer() {
    return &DrawerWindow::instance();
}

} // namespace

PreferencesWindow::PreferencesWindow() {
    setObjectName(QStringLiteral("PreferencesWindow"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Vellora Preferences"));
    resize(254, 398);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);

    auto box = [this](const QString& name, const QString& caption, QRect at, const QString& tag) {
        auto* b = new PreferenceBox(name, caption, this);
        setControlFont(b, QStringLiteral("Geneva"), 11);
        b->setGeometry(at);
        HelpTags::set(b, tag);
        return b;
    };

    StaticText1 =
        heading(this, QStringLiteral("StaticText1"), QStringLiteral("Display"), {77, 2, 100, 20});
    MainWindowDefaultViewCheckBox =
        box(QStringLiteral("MainWindowDefaultViewCheckBox"),
            QStringLiteral(" Full Display\n is Default View"), {74, 32, 110, 26},
            QStringLiteral("When checked, this preference item causes Vellora to launch in its "
                           "Full Display mode.") +
                kSwitchLater);
    DefaultViewPrefCheckbox = box(
        QStringLiteral("DefaultViewPrefCheckbox"),
        QStringLiteral(" Desktop Printer\n is Default View"), {74, 66, 110, 26},
        QStringLiteral(
            "When checked, this preference item will cause Vellora to launch as a Desktop Printer "
            "that prints dragged and dropped selections of either text or images, as well as "
            "clipping files.") +
            kSwitchLater);
    DrawerWindowDefaultViewCheckBox =
        box(QStringLiteral("DrawerWindowDefaultViewCheckBox"),
            QStringLiteral(" Drawer Window\n is Default View"), {74, 100, 110, 26},
            QStringLiteral("When checked, this preference item causes Vellora to launch in its "
                           "Drawer display mode.") +
                kSwitchLater);
    MinDrawerWindowCheckBox = box(
        QStringLiteral("MinDrawerWindowCheckBox"),
        QStringLiteral(" Drawer Window\n Opens Minimized"), {74, 134, 116, 26},
        QStringLiteral(
            "Checking this preference item causes the Drawer display to minimize its width when "
            "its retracted.\r\rWhen you place your cursor over the lower part of the minimized "
            "dsiplay, the display automatically rises and expands."));
    Separator1 = new Separator(QStringLiteral("Separator1"), this);
    Separator1->setGeometry(0, 169, 254, 4);
    StaticText2 = heading(this, QStringLiteral("StaticText2"), QStringLiteral("Shortcuts"),
                          {77, 182, 100, 20});
    KeyboardShortcutPrefCheckbox = box(
        QStringLiteral("KeyboardShortcutPrefCheckbox"),
        QStringLiteral(" Enable Keyboard\n      Shortcuts\n"), {74, 212, 116, 26},
        QStringLiteral(
            "When checked, you can use the default Option-Control-p keyboard shortcut to print "
            "your "
            "selected text/images, the default Option-Control-s shortcut to save the contents of "
            "the Clipboard to the PrintBoard, and the default Option-Control-h shortcut to "
            "hide/show Vellora.\r\rNOTE: These keyboard shortcuts work even when Vellora is "
            "displayed as a Desktop Printer and when Vellora is hidden."));
    SetViewKeyboardShorcutsPushButton =
        new PaletteButton(QStringLiteral("SetViewKeyboardShorcutsPushButton"),
                          QStringLiteral("Set/View Keyboard Shortcuts"), this);
    setControlFont(SetViewKeyboardShorcutsPushButton, QStringLiteral("Geneva"), 11);
    SetViewKeyboardShorcutsPushButton->setGeometry(37, 246, 180, 18);
    HelpTags::set(SetViewKeyboardShorcutsPushButton,
                  QStringLiteral(
                      "Click this button to either view your current keyboard shortcuts or to set "
                      "new keyboard shortcuts.\r\rNOTE:  If you have more than one Korvane program "
                      "running at the same time, make sure they are not using any of the same "
                      "keyboard shortcuts."));
    Separator2 = new Separator(QStringLiteral("Separator2"), this);
    Separator2->setGeometry(0, 273, 254, 4);
    StaticText3 = heading(this, QStringLiteral("StaticText3"),
                          QStringLiteral("Drag and Drop Printing\t"), {60, 286, 132, 20});
    DragNDropPrefNoStampCheckBox = box(
        QStringLiteral("DragNDropPrefNoStampCheckBox"), QStringLiteral(" No Stamp"),
        {74, 316, 116, 20},
        QStringLiteral(
            "Checking this preference item results in no stamp being added when you drag-and-drop "
            "selections onto the Full Display's printer icon, the Desktop Printer, and the Drawer "
            "window.") +
            kDropNote);
    DragNDropPrefWithStampCheckBox = box(
        QStringLiteral("DragNDropPrefWithStampCheckBox"), QStringLiteral("W/Date Stamp"),
        {74, 344, 116, 20},
        QStringLiteral(
            "Checking this preference item results in a time-date stamp being added when you "
            "drag-and-drop selections onto the Full Display's printer icon, the Desktop Printer, "
            "and the Drawer window.") +
            kDropNote + kBrowserNote);
    DragNDropPrefWStampAndNoteStampCheckBox = box(
        QStringLiteral("DragNDropPrefWStampAndNoteStampCheckBox"), QStringLiteral("W/Date+Note"),
        {74, 372, 116, 20},
        QStringLiteral(
            "Checking this preference item results in a time-date stamp being added when you "
            "drag-and-drop selections onto the Full Display's printer icon, the Desktop Printer, "
            "and the Drawer window.\r\rAdditionally, a window will appear so you can add any size "
            "note to your selections.") +
            kDropNote + kBrowserNote);

    for (PreferenceBox* b :
         {MainWindowDefaultViewCheckBox, DefaultViewPrefCheckbox, DrawerWindowDefaultViewCheckBox})
        b->joinGroup(&m_displayGroup, kDisplayRefusal, QString());
    DragNDropPrefNoStampCheckBox->joinGroup(&m_dragAndDropGroup, kDragAndDropRefusal,
                                            QStringLiteral("No Stamp"));
    DragNDropPrefWithStampCheckBox->joinGroup(&m_dragAndDropGroup, kDragAndDropRefusal,
                                              QStringLiteral("With Stamp"));
    DragNDropPrefWStampAndNoteStampCheckBox->joinGroup(&m_dragAndDropGroup, kDragAndDropRefusal,
                                                       QStringLiteral("With Note"));

    // A click, not a change made by the program, flips the narrow-Drawer flag.
    connect(MinDrawerWindowCheckBox, &QCheckBox::clicked, this, [] {
        Module1::MinimizeDrawerWindow = !Module1::MinimizeDrawerWindow;
        drawer()->setWidth(Module1::MinimizeDrawerWindow ? 82 : 240);
    });
    // Every change of the box flips the shortcuts flag; Open sets it right afterwards.
    connect(KeyboardShortcutPrefCheckbox, &QCheckBox::toggled, this,
            [] { Module1::ShortCutsEnabled = !Module1::ShortCutsEnabled; });
}

void PreferencesWindow::Open() {
    if (Settings::holds(Settings::Shortcuts, QStringLiteral("KsEnabledTrue"))) {
        KeyboardShortcutPrefCheckbox->setChecked(true);
        Module1::ShortCutsEnabled = true;
    }
    const QList<std::pair<QString, PreferenceBox*>> display = {
        {QStringLiteral("IconifyTrue"), DefaultViewPrefCheckbox},
        {QStringLiteral("DrawerWindowTrue"), DrawerWindowDefaultViewCheckBox},
        {QStringLiteral("MainDisplayTrue"), MainWindowDefaultViewCheckBox}};
    for (const auto& [value, chosen] : display) {
        if (!Settings::holds(Settings::DisplayPreference, value))
            continue;
        for (PreferenceBox* b : m_displayGroup)
            b->setChecked(b == chosen);
    }
    DrawerWindow* d = drawer();
    if (Settings::holds(Settings::MinimizedDrawer, QStringLiteral("DWMinimizeTrue"))) {
        MinDrawerWindowCheckBox->setChecked(true);
        if (d->isVisible())
            d->setWidth(82);
    }
    const QList<std::pair<QString, PreferenceBox*>> drops = {
        {QStringLiteral("No Stamp"), DragNDropPrefNoStampCheckBox},
        {QStringLiteral("With Stamp"), DragNDropPrefWithStampCheckBox},
        {QStringLiteral("With Note"), DragNDropPrefWStampAndNoteStampCheckBox}};
    for (const auto& [value, chosen] : drops) {
        if (Settings::holds(Settings::DragAndDrop, value)) {
            chosen->setChecked(true);
            Module1::DragAndDropPrintPref = value;
        }
    }
    hide();
    const int screenHeight = desktop().screenSize().height();
    if (d->Top() > -2)
        d->setWidth(240);
    if (Module1::DrawerWindowVisible && MinDrawerWindowCheckBox->isChecked() &&
        d->Top() == screenHeight - 2)
        d->setWidth(82);
    if (Vellora1::instance().isVisible())
        d->hide();
    Module1::PreferrenceWindowIsVisible = true;
}

void PreferencesWindow::Close() {
    const QList<std::pair<PreferenceBox*, QString>> display = {
        {DefaultViewPrefCheckbox, QStringLiteral("IconifyTrue")},
        {DrawerWindowDefaultViewCheckBox, QStringLiteral("DrawerWindowTrue")},
        {MainWindowDefaultViewCheckBox, QStringLiteral("MainDisplayTrue")}};
    for (const auto& [b, value] : display) {
        if (b->isChecked())
            Settings::writeValue(Settings::DisplayPreference, value);
    }
    const QList<std::pair<PreferenceBox*, QString>> drops = {
        {DragNDropPrefNoStampCheckBox, QStringLiteral("No Stamp")},
        {DragNDropPrefWithStampCheckBox, QStringLiteral("With Stamp")},
        {DragNDropPrefWStampAndNoteStampCheckBox, QStringLiteral("With Note")}};
    for (const auto& [b, value] : drops) {
        if (b->isChecked())
            Settings::writeValue(Settings::DragAndDrop, value);
    }
    Settings::writeValue(Settings::Shortcuts, KeyboardShortcutPrefCheckbox->isChecked()
                                                  ? QStringLiteral("KsEnabledTrue")
                                                  : QStringLiteral("KsEnabledFalse"));
    Settings::writeValue(Settings::MinimizedDrawer, MinDrawerWindowCheckBox->isChecked()
                                                        ? QStringLiteral("DWMinimizeTrue")
                                                        : QStringLiteral("DWMinimizeFalse"));
    drawer()->setWidth(MinDrawerWindowCheckBox->isChecked() ? 82 : 240);
    Module1::PreferrenceWindowIsVisible = false;
}

void PreferencesWindow::install(Vellora1& main) {
    connect(main.PreferencesPushButton, &QPushButton::clicked, &main, [] {
        desktop().BringProcessFront();
        PreferencesWindow& w = instance();
        w.show();
        w.activateWindow();
    });
}
