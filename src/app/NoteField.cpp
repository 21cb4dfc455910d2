#include "NoteField.h"

#include "FileTypes.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/DroppedFile.h"

#include <QMimeData>
#include <QUrl>

NoteField::NoteField(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setAcceptDrops(true);
}

QString NoteField::note() const {
    return MimeText::toInternal(toPlainText());
}

bool NoteField::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() || source->hasUrls();
}

void NoteField::insertFromMimeData(const QMimeData* source) {
    if (source->hasUrls()) {
        const QList<QUrl> urls = source->urls();
        for (const QUrl& url : urls) {
            if (!url.isLocalFile() || !FileTypes::acceptsDroppedFile(url.toLocalFile()))
                continue;
            QString text;
            const auto result = DroppedFile::readText(url.toLocalFile(), text);
            if (result != DroppedFile::Result::Text) {
                desktop().beep();
                desktop().showMessage(DroppedFile::refusal(result, url.toLocalFile()));
                return;
            }
            insertPlainText(MimeText::toDesktop(text));
        }
        return;
    }
    insertPlainText(source->text());
}

void NoteField::mousePressEvent(QMouseEvent* event) {
    Q_EMIT MouseDown();
    QPlainTextEdit::mousePressEvent(event);
}

void placeNoteWindow(QWidget& window) {
    const QSize screen = desktop().screenSize();
    const int top = std::max(50, screen.height() - 700);
    window.setGeometry(screen.width() - 350, top, window.width(), window.height());
}
