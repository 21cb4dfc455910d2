#pragma once

#include <QString>
#include <QStringList>
#include <QTextDocument>

class QTextCursor;
class QTextDocumentFragment;

// A text document that never loads a resource by itself: pictures come only from what was
// added with addResource, so a document or pasted HTML can never read a file or the network.
// Emptied or destroyed, it lets go of the embedded forms kept for its pictures (see below).
class SafeTextDocument final : public QTextDocument {
    Q_OBJECT
public:
    using QTextDocument::QTextDocument;
    ~SafeTextDocument() override;

    void clear() override;

    // Notes that the document holds a picture under name (StyledHtml::addPicture does).
    void notePicture(const QString& name) { m_pictures << name; }

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QStringList m_pictures;
};

// The field's file and Clipboard form: HTML with every picture embedded as a data: PNG.
namespace StyledHtml {

// Returns the whole document as one HTML document with its pictures embedded.
QString fromDocument(const QTextDocument& document);

// Returns the selection of cursor as an HTML fragment with its pictures embedded.
QString fromSelection(const QTextCursor& selection);

// Turns HTML into a fragment for target: embedded pictures become resources of target, any
// other picture reference is dropped. Nothing outside the HTML text is read.
QTextDocumentFragment toFragment(QString html, QTextDocument& target);

// Returns whether bytes look like a whole document written by fromDocument(): UTF-8 text, no
// NUL, an HTML start and an </html> end (a truncated file fails).
bool isWholeDocument(const QByteArray& bytes, QString* text);

// Adds picture to target as a new resource and returns its name.
QString addPicture(QTextDocument& target, const QImage& picture);

// The embedded form of each picture, as read from a file or last written, is kept by its name
// for every document, so that saving and copying encode a picture once, until its document is
// emptied or destroyed. This many bytes of it at most; the least recently used go first.
constexpr qint64 kEmbeddedPictureLimit = qint64(64) * 1024 * 1024;

// Sets how many bytes of embedded pictures are kept, letting go of the oldest above it.
void setEmbeddedPictureLimit(qint64 bytes);

// Returns how many bytes of embedded pictures are kept now.
qint64 embeddedPictureBytes();

} // namespace StyledHtml
