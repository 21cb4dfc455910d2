#pragma once

#include <QString>

class QWidget;
class Vellora1;

// Help tags: the texts are the system's own (CR breaks, the old desktop's key names); they are
// shown as tool tips in this desktop's wording.
namespace HelpTags {

// Gives control its help tag.
void set(QWidget* control, const QString& text);

// Returns control's help tag as the system wrote it (CR breaks, before the wording table).
QString of(const QWidget* control);

// The help tags of the main window's controls.
void installMainWindowTags(Vellora1& window);

} // namespace HelpTags
