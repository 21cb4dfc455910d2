#pragma once

#include "Printing.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextEdit>
#include <memory>

class QMimeData;

// The styled text field: text with per-run font, size, colour and style, and embedded pictures.
// Offsets count characters; a line break and a picture each count as one. Texts use CR breaks.
//
// The typing style is the style that inserted plain text takes: a style call with an empty
// selection sets it, and so does a style call on a selection that covers the whole content.
// Emptying the field keeps it.
class WASTEfield : public QTextEdit {
    Q_OBJECT
public:
    WASTEfield(const QString& name, const QString& fontFamily, int fontSize,
               QWidget* parent = nullptr);
    ~WASTEfield() override;

    // Text
    QString Text() const;
    // Replaces the whole content with text in the typing style; the insertion point goes to the
    // start.
    void SetText(const QString& text);
    int GetTextLength() const;

    // Selection
    int SelStart() const;
    int SelEnd() const;
    int SelLength() const;
    void SetSelection(int start, int end);
    void SetSelStart(int start);
    void SetSelLength(int length);
    void SelectAll();

    // Clipboard
    // Inserts the Clipboard at the insertion point: styled text with its styles, plain text in
    // the typing style, a picture as a picture. The insertion point ends after it.
    void Paste();
    // Inserts data at the insertion point as Paste does.
    void PasteFrom(const QMimeData& mime);
    // Puts the selection on the Clipboard as plain text, HTML and, when it is one picture, the
    // picture itself. Copying an empty selection leaves the Clipboard as it is.
    void Copy();
    void Cut();
    void Clear();
    bool CanPaste() const;
    // Returns the selection as the formats Copy() offers.
    QMimeData* mimeForSelection() const;

    // Style of the selection, or the typing style when nothing is selected.
    bool SelPlain() const;
    void SetSelPlain(bool plain);
    QString SelTextFont() const;
    void SetSelTextFont(const QString& family);
    int SelTextSize() const;
    void SetSelTextSize(int points);
    QColor SelTextColor() const;
    void SetSelTextColor(const QColor& color);
    bool SelBold() const;
    void SetSelBold(bool bold);
    bool SelItalic() const;
    void SetSelItalic(bool italic);

    // Attributes "font", "ptsz", "plan": offset -2 and the range -1..-1 mean the selection.
    bool GetAttString(const QString& attribute, int offset, QString& value) const;
    bool GetAttInteger(const QString& attribute, int offset, int& value) const;
    void SetAttString(const QString& attribute, int start, int end, const QString& value);
    void SetAttDouble(const QString& attribute, int start, int end, double value);
    void SetAttBoolean(const QString& attribute, int start, int end, bool value);

    // Printing: 0 printed, -128 cancelled, anything else an error number.
    int Print();
    int PageSetup();
    const ::PageSetup& pageSetup() const { return *m_pageSetup; }

    // Files: one HTML document with embedded pictures. LoadFile replaces start..end with the
    // document and leaves the insertion point after it; a file that is missing, too large,
    // truncated or not such a document is refused and the field is left as it was.
    bool LoadFile(const QString& path, int start, int end);
    // Writes the whole content, replacing the file atomically; false (old file kept) on failure.
    bool SaveFile(const QString& path) const;
    static constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

    // Modification count, reset by ResetModCount.
    int ModCount() const { return m_modCount; }
    void ResetModCount() { m_modCount = 0; }

    // The field's window became active or inactive: the insertion point follows.
    void Activate();
    void Deactivate();

    // The saved-Clipboard field keeps every format the Clipboard offered when it was pasted into
    // the empty field, and gives them all back when its whole content is copied.
    void setKeepsClipboardFormats(bool keeps) { m_keepsFormats = keeps; }
    // Keeps formats for the empty field: copying the empty whole gives them back.
    void keepFormatsWithoutContent(const QMimeData& mime);

Q_SIGNALS:
    void SelChange();
    void TextChange();

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Empties the document, its pictures too, keeping its default font.
    void emptyDocument();
    void applyFormat(const QTextCharFormat& format);
    QTextCharFormat selectionFormat() const;
    void insertPicture(QTextCursor& cursor, const QImage& picture);
    bool keptFormatsApply() const;
    void forgetKeptFormats();

    QTextCharFormat m_typingFormat;
    std::unique_ptr<::PageSetup> m_pageSetup;
    int m_modCount = 0;
    bool m_keepsFormats = false;
    std::unique_ptr<QMimeData> m_kept;
    int m_keptRevision = -1;
};
