#pragma once

#include <QPlainTextEdit>

class QWidget;

// The note field of the note windows: plain text typed by the user, into which text and the
// text of dropped text or clipping files can be dropped.
class NoteField final : public QPlainTextEdit {
    Q_OBJECT
public:
    NoteField(const QString& name, QWidget* parent);

    // The note with CR line breaks.
    QString note() const;

Q_SIGNALS:
    void MouseDown();

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Places a note window where the note windows open: screen height - 700 from the top (at least
// 50) and screen width - 350 from the left.
void placeNoteWindow(QWidget& window);
