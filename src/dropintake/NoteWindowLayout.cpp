#include "NoteWindowLayout.h"

#include "app/Controls.h"
#include "app/NoteField.h"
#include "platform/Desktop.h"

namespace NoteWindowLayout {

NoteField* build(QWidget& window, const QString& title, const QString& fieldName,
                 const QString& fieldFont, PaletteButton*& cancel, const QString& cancelName,
                 PaletteButton*& add, const QString& addName, int addLeft, int addWidth) {
    window.setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    window.setWindowTitle(title);
    window.setFixedSize(300, 300);
    QPalette p = window.palette();
    p.setColor(QPalette::Window, QColor(0xC1, 0xC1, 0xCC));
    window.setPalette(p);
    window.setAutoFillBackground(true);

    auto* field = new NoteField(fieldName, &window);
    setControlFont(field, fieldFont, 12);
    place(field, -1, -1, 302, 263);
    QPalette white = field->palette();
    white.setColor(QPalette::Base, Qt::white);
    field->setPalette(white);

    cancel = new PaletteButton(cancelName, QStringLiteral("Cancel"), &window);
    add = new PaletteButton(addName, QStringLiteral("Add Note"), &window);
    place(cancel, 25, 272, 72, 20);
    place(add, addLeft, 272, addWidth, 20);
    for (PaletteButton* b : {cancel, add}) {
        b->setFocusPolicy(Qt::TabFocus);
        setControlFont(b, QStringLiteral("Geneva"), 12);
    }
    add->setDefault(true);
    add->setEnabled(false);
    PaletteButton* addButton = add;
    QObject::connect(field, &QPlainTextEdit::textChanged, &window, [field, addButton] {
        addButton->setEnabled(!field->toPlainText().isEmpty());
    });
    // Typing must reach the note even when another application was in front.
    QObject::connect(field, &QPlainTextEdit::selectionChanged, &window,
                     [] { desktop().BringProcessFront(); });
    QObject::connect(field, &NoteField::MouseDown, &window, [] { desktop().BringProcessFront(); });
    return field;
}

} // namespace NoteWindowLayout
