#pragma once

#include <QString>

class NoteField;
class PaletteButton;
class QWidget;

// The shared look of the drop note windows: 300 x 300, grey-blue, a note field on top and
// Cancel and Add Note below; Add Note is the default button, enabled only with a note.
namespace NoteWindowLayout {

NoteField* build(QWidget& window, const QString& title, const QString& fieldName,
                 const QString& fieldFont, PaletteButton*& cancel, const QString& cancelName,
                 PaletteButton*& add, const QString& addName, int addLeft, int addWidth);

} // namespace NoteWindowLayout
