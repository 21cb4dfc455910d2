#include "DragItem.h"

#include "app/FileTypes.h"
#include "platform/Clipboard.h"
#include "platform/DroppedFile.h"

#include <QMimeData>
#include <QTextDocumentFragment>
#include <QUrl>

namespace {

QList<QUrl> localFiles(const QMimeData& data) {
    QList<QUrl> files;
    if (data.hasUrls()) {
        const QList<QUrl> urls = data.urls();
        for (const QUrl& url : urls)
            if (url.isLocalFile())
                files << url;
    }
    return files;
}

} // namespace

DragItem DragItem::from(const QMimeData& data) {
    DragItem item;
    item.picture = MimeText::pictureIn(data);
    if (item.hasPicture())
        return item;
    const QList<QUrl> files = localFiles(data);
    if (!files.isEmpty()) {
        for (const QUrl& url : files) {
            const QString path = url.toLocalFile();
            QString text;
            const auto result = FileTypes::acceptsDroppedFile(path)
                                    ? DroppedFile::readText(path, text)
                                    : DroppedFile::Result::NotText;
            if (result != DroppedFile::Result::Text) {
                item.refusal = DroppedFile::refusal(result, path);
                item.text.clear();
                return item;
            }
            item.text += text;
        }
        item.hasText = true;
        return item;
    }
    if (data.hasText()) {
        item.text = MimeText::toInternal(data.text());
        item.hasText = true;
    } else if (data.hasHtml()) {
        item.text =
            MimeText::toInternal(QTextDocumentFragment::fromHtml(data.html()).toPlainText());
        item.hasText = true;
    }
    return item;
}

bool acceptsDrop(const QMimeData& data) {
    return data.hasText() || data.hasHtml() || data.hasUrls() ||
           !MimeText::pictureIn(data).isNull();
}
