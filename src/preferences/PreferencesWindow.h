#pragma once

#include "app/Controls.h"
#include "app/SingletonWindow.h"

#include <QCheckBox>
#include <QLabel>

class PreferencesWindow;

// A check box of the Preferences window. The boxes of an exclusive group work like radio
// buttons: a click on an unchecked box checks it and unchecks the others; a click on the checked
// box is refused with a beep and a message.
class PreferenceBox final : public QCheckBox {
    Q_OBJECT
public:
    PreferenceBox(const QString& name, const QString& caption, QWidget* parent);

    // Makes the box one of an exclusive group: refusal is the group's message; value (may be
    // empty) is what choosing the box sets as the drag-and-drop preference.
    void joinGroup(QList<PreferenceBox*>* group, const QString& refusal, const QString& value);

protected:
    void nextCheckState() override;

private:
    QList<PreferenceBox*>* m_group = nullptr;
    QString m_refusal;
    QString m_value;
};

class Vellora1;

// "Vellora Preferences": the display Vellora starts in, the narrow Drawer, the system-wide
// shortcuts and what a drag-and-drop print adds. It reads the settings files when it opens and
// writes them when it closes.
class PreferencesWindow final : public SingletonWindow<PreferencesWindow> {
    Q_OBJECT
public:
    PreferencesWindow();

    QLabel* StaticText1;
    PreferenceBox* MainWindowDefaultViewCheckBox;
    PreferenceBox* DefaultViewPrefCheckbox;
    PreferenceBox* DrawerWindowDefaultViewCheckBox;
    PreferenceBox* MinDrawerWindowCheckBox;
    Separator* Separator1;
    QLabel* StaticText2;
    PreferenceBox* KeyboardShortcutPrefCheckbox;
    PaletteButton* SetViewKeyboardShorcutsPushButton;
    Separator* Separator2;
    QLabel* StaticText3;
    PreferenceBox* DragNDropPrefNoStampCheckBox;
    PreferenceBox* DragNDropPrefWithStampCheckBox;
    PreferenceBox* DragNDropPrefWStampAndNoteStampCheckBox;

    // The main window's "Preferences" button.
    static void install(Vellora1& window);

protected:
    void Open() override;
    void Close() override;

private:
    QList<PreferenceBox*> m_displayGroup;
    QList<PreferenceBox*> m_dragAndDropGroup;
};
