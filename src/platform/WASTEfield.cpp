#include "WASTEfield.h"

#include "Clipboard.h"
#include "Desktop.h"
#include "Files.h"
#include "SourcePage.h"
#include "StyledHtml.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextImageFormat>

namespace {

// The document's own line break is LF, as at the desktop boundary.
QString toFieldBreaks(const QString& text) {
    return MimeText::toDesktop(text);
}

QString withCR(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

} // namespace

WASTEfield::WASTEfield(const QString& name, const QString& fontFamily, int fontSize,
                       QWidget* parent)
    : QTextEdit(parent), m_pageSetup(std::make_unique<::PageSetup>()) {
    setObjectName(name);
    setDocument(new SafeTextDocument(this));
    document()->setDefaultFont(QFont(fontFamily, fontSize));
    m_typingFormat.setFontFamilies(QStringList{fontFamily});
    m_typingFormat.setFontPointSize(fontSize);
    m_typingFormat.setFontWeight(QFont::Normal);
    m_typingFormat.setFontItalic(false);
    m_typingFormat.setFontUnderline(false);
    m_typingFormat.setForeground(QBrush(Qt::black));
    setCurrentCharFormat(m_typingFormat);
    setAcceptRichText(true);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    setPalette(p);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        ++m_modCount;
        Q_EMIT TextChange();
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, &WASTEfield::SelChange);
    connect(this, &QTextEdit::selectionChanged, this, &WASTEfield::SelChange);
}

WASTEfield::~WASTEfield() = default;

QString WASTEfield::Text() const {
    return withCR(document()->toPlainText());
}

void WASTEfield::SetText(const QString& text) {
    forgetKeptFormats();
    emptyDocument();
    QTextCursor c(document());
    c.insertText(toFieldBreaks(text), m_typingFormat);
    // As in any editor, new text leaves the insertion point at its start.
    c.setPosition(0);
    setTextCursor(c);
    setCurrentCharFormat(m_typingFormat);
}

void WASTEfield::emptyDocument() {
    const QFont font = document()->defaultFont();
    // Clearing drops the pictures' resources too, which deleting the text does not: without it
    // a field would keep every picture it ever held.
    document()->clear();
    document()->setDefaultFont(font);
}

int WASTEfield::GetTextLength() const {
    return document()->characterCount() - 1;
}

int WASTEfield::SelStart() const {
    return textCursor().selectionStart();
}

int WASTEfield::SelEnd() const {
    return textCursor().selectionEnd();
}

int WASTEfield::SelLength() const {
    return SelEnd() - SelStart();
}

void WASTEfield::SetSelection(int start, int end) {
    const int length = GetTextLength();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    QTextCursor c = textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void WASTEfield::SetSelStart(int start) {
    SetSelection(start, start);
}

void WASTEfield::SetSelLength(int length) {
    SetSelection(SelStart(), SelStart() + length);
}

void WASTEfield::SelectAll() {
    SetSelection(0, GetTextLength());
}

void WASTEfield::Paste() {
    const QMimeData& mime = *Clipboard::mimeData();
    if (!Clipboard::heldByUs())
        SourcePage::note(mime);
    PasteFrom(mime);
}

void WASTEfield::PasteFrom(const QMimeData& mime) {
    const bool intoEmpty = GetTextLength() == 0;
    QTextCursor c = textCursor();
    c.beginEditBlock();
    if (c.hasSelection())
        c.removeSelectedText();
    const QImage picture = MimeText::pictureIn(mime);
    if (mime.hasHtml()) {
        const QTextDocumentFragment fragment = StyledHtml::toFragment(mime.html(), *document());
        // A browser's copied picture comes as an <img> of a web address, which is never
        // fetched, with the picture itself beside it.
        if (!picture.isNull() && fragment.toPlainText().trimmed().isEmpty())
            insertPicture(c, picture);
        else
            c.insertFragment(fragment);
    } else if (mime.hasText() && !mime.text().isEmpty()) {
        c.insertText(toFieldBreaks(mime.text()), m_typingFormat);
    } else if (!picture.isNull()) {
        insertPicture(c, picture);
    }
    c.endEditBlock();
    setTextCursor(c);
    if (m_keepsFormats) {
        if (intoEmpty) {
            m_kept.reset(MimeText::copyOf(mime));
            m_keptRevision = document()->revision();
        } else {
            forgetKeptFormats();
        }
    }
}

void WASTEfield::insertPicture(QTextCursor& cursor, const QImage& picture) {
    QTextImageFormat format;
    format.setName(StyledHtml::addPicture(*document(), picture));
    cursor.insertImage(format);
}

void WASTEfield::keepFormatsWithoutContent(const QMimeData& mime) {
    if (GetTextLength() != 0)
        return;
    m_kept.reset(MimeText::copyOf(mime));
    m_keptRevision = document()->revision();
}

bool WASTEfield::keptFormatsApply() const {
    return m_keepsFormats && m_kept && document()->revision() == m_keptRevision &&
           SelStart() == 0 && SelEnd() == GetTextLength();
}

void WASTEfield::forgetKeptFormats() {
    m_kept.reset();
    m_keptRevision = -1;
}

QMimeData* WASTEfield::mimeForSelection() const {
    auto* mime = new QMimeData;
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return mime;
    QString plain = c.selection().toPlainText();
    plain.remove(QChar::ObjectReplacementCharacter);
    const int start = c.selectionStart();
    if (c.selectionEnd() - start == 1) {
        QTextCursor one(document());
        one.setPosition(start);
        one.setPosition(start + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat f = one.charFormat();
        if (f.isImageFormat()) {
            mime->setImageData(
                document()->resource(QTextDocument::ImageResource, QUrl(f.toImageFormat().name())));
        }
    }
    if (!plain.isEmpty() || !mime->hasImage())
        mime->setText(plain);
    mime->setHtml(StyledHtml::fromSelection(c));
    return mime;
}

void WASTEfield::Copy() {
    if (keptFormatsApply()) {
        Clipboard::setMimeData(MimeText::copyOf(*m_kept));
        return;
    }
    // Copying nothing leaves the Clipboard as it is, as editors do.
    if (!textCursor().hasSelection())
        return;
    Clipboard::setMimeData(mimeForSelection());
}

void WASTEfield::Cut() {
    Copy();
    Clear();
}

void WASTEfield::Clear() {
    QTextCursor c = textCursor();
    c.removeSelectedText();
    setTextCursor(c);
}

bool WASTEfield::CanPaste() const {
    return Clipboard::offersText() || Clipboard::offersPicture() ||
           Clipboard::mimeData()->hasHtml();
}

QTextCharFormat WASTEfield::selectionFormat() const {
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return m_typingFormat;
    QTextCursor first(document());
    first.setPosition(c.selectionStart() + 1);
    return first.charFormat();
}

void WASTEfield::applyFormat(const QTextCharFormat& format) {
    QTextCursor c = textCursor();
    if (c.hasSelection()) {
        c.mergeCharFormat(format);
        if (c.selectionStart() == 0 && c.selectionEnd() == GetTextLength())
            m_typingFormat.merge(format);
    } else {
        m_typingFormat.merge(format);
        setCurrentCharFormat(m_typingFormat);
    }
}

bool WASTEfield::SelPlain() const {
    const QFont f = selectionFormat().font().resolve(document()->defaultFont());
    return !f.bold() && !f.italic() && !f.underline() && !f.strikeOut();
}

void WASTEfield::SetSelPlain(bool plain) {
    if (!plain)
        return;
    QTextCharFormat f;
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontStrikeOut(false);
    applyFormat(f);
}

QString WASTEfield::SelTextFont() const {
    return selectionFormat().font().resolve(document()->defaultFont()).family();
}

void WASTEfield::SetSelTextFont(const QString& family) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    applyFormat(f);
}

int WASTEfield::SelTextSize() const {
    return qRound(selectionFormat().font().resolve(document()->defaultFont()).pointSizeF());
}

void WASTEfield::SetSelTextSize(int points) {
    QTextCharFormat f;
    f.setFontPointSize(points);
    applyFormat(f);
}

QColor WASTEfield::SelTextColor() const {
    const QBrush b = selectionFormat().foreground();
    return b.style() == Qt::NoBrush ? QColor(Qt::black) : b.color();
}

void WASTEfield::SetSelTextColor(const QColor& color) {
    QTextCharFormat f;
    f.setForeground(QBrush(color));
    applyFormat(f);
}

bool WASTEfield::SelBold() const {
    return selectionFormat().font().resolve(document()->defaultFont()).bold();
}

void WASTEfield::SetSelBold(bool bold) {
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    applyFormat(f);
}

bool WASTEfield::SelItalic() const {
    return selectionFormat().font().resolve(document()->defaultFont()).italic();
}

void WASTEfield::SetSelItalic(bool italic) {
    QTextCharFormat f;
    f.setFontItalic(italic);
    applyFormat(f);
}

bool WASTEfield::GetAttString(const QString& attribute, int offset, QString& value) const {
    if (offset != -2 || attribute != QLatin1String("font"))
        return false;
    value = SelTextFont();
    return true;
}

bool WASTEfield::GetAttInteger(const QString& attribute, int offset, int& value) const {
    if (offset != -2)
        return false;
    if (attribute == QLatin1String("ptsz"))
        value = SelTextSize();
    else if (attribute == QLatin1String("plan"))
        value = SelPlain() ? 1 : 0;
    else
        return false;
    return true;
}

void WASTEfield::SetAttString(const QString& attribute, int start, int end, const QString& value) {
    if (start == -1 && end == -1 && attribute == QLatin1String("font"))
        SetSelTextFont(value);
}

void WASTEfield::SetAttDouble(const QString& attribute, int start, int end, double value) {
    if (start == -1 && end == -1 && attribute == QLatin1String("ptsz"))
        SetSelTextSize(qRound(value));
}

void WASTEfield::SetAttBoolean(const QString& attribute, int start, int end, bool value) {
    if (start == -1 && end == -1 && attribute == QLatin1String("plan"))
        SetSelPlain(value);
}

int WASTEfield::Print() {
    return desktop().print(*document(), *m_pageSetup);
}

int WASTEfield::PageSetup() {
    return desktop().pageSetup(*m_pageSetup);
}

bool WASTEfield::LoadFile(const QString& path, int start, int end) {
    const auto bytes = Files::readAll(path, kMaxFileBytes);
    QString html;
    if (!bytes || !StyledHtml::isWholeDocument(*bytes, &html))
        return false;
    int length = GetTextLength();
    const bool whole = start <= 0 && end >= length;
    // Before the new pictures are added, as emptying drops every picture of the document.
    if (whole) {
        emptyDocument();
        length = 0;
    }
    const QTextDocumentFragment fragment = StyledHtml::toFragment(std::move(html), *document());
    forgetKeptFormats();
    QTextCursor c(document());
    c.setPosition(std::clamp(start, 0, length));
    c.setPosition(std::clamp(end, 0, length), QTextCursor::KeepAnchor);
    c.insertFragment(fragment);
    setTextCursor(c);
    if (whole)
        document()->clearUndoRedoStacks();
    return true;
}

bool WASTEfield::SaveFile(const QString& path) const {
    return Files::writeAll(path, StyledHtml::fromDocument(*document()).toUtf8());
}

void WASTEfield::Activate() {
    setFocus(Qt::ActiveWindowFocusReason);
    viewport()->update();
}

void WASTEfield::Deactivate() {
    clearFocus();
    viewport()->update();
}

bool WASTEfield::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() || source->hasHtml() || !MimeText::pictureIn(*source).isNull();
}

void WASTEfield::insertFromMimeData(const QMimeData* source) {
    PasteFrom(*source);
}

QMimeData* WASTEfield::createMimeDataFromSelection() const {
    return mimeForSelection();
}
