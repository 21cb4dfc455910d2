#pragma once

#include <QString>
#include <QTextDocument>

class QTextCursor;
class QTextDocumentFragment;

// A text document that never loads a resource by itself: pictures come only from what was
// added with addResource, so a document or pasted HTML can never read a file or the network.
class SafeTextDocument final : public QTextDocument {
    Q_OBJECT
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
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

} // namespace StyledHtml
