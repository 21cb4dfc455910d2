#include "BenchDocument.h"

#include "platform/Printing.h"
#include "platform/StyledHtml.h"

#include <QPainter>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <array>
#include <random>

namespace {

// Paragraphs of the field's document; with the pictures this makes a file of about 2 MB.
constexpr int kFieldParagraphs = 400;

QString word(std::mt19937& random) {
    static const std::array<const char*, 24> syllables = {
        "ka",  "lo", "ven", "tra", "mi", "sul", "de", "or", "an",  "pe", "rith", "co",
        "bel", "na", "qui", "ste", "um", "fra", "go", "li", "ser", "ta", "ne",   "vo"};
    QString w;
    const int count = 1 + int(random() % 3);
    for (int i = 0; i < count; ++i)
        w += QLatin1String(syllables[random() % syllables.size()]);
    return w;
}

QString sentence(std::mt19937& random, int words) {
    QString s;
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            s += QLatin1Char(' ');
        s += word(random);
    }
    s[0] = s[0].toUpper();
    return s + QLatin1String(". ");
}

QTextCharFormat variedFormat(std::mt19937& random) {
    static const std::array<const char*, 3> families = {"DejaVu Sans", "DejaVu Serif",
                                                        "DejaVu Sans Mono"};
    static const std::array<int, 6> sizes = {9, 10, 12, 12, 14, 18};
    static const std::array<QRgb, 6> colours = {0x000000, 0x1f3a93, 0x8e1b1b,
                                                0x2d6a2d, 0x5b2c6f, 0x7a5c00};
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QLatin1String(families[random() % families.size()])});
    f.setFontPointSize(sizes[random() % sizes.size()]);
    f.setFontWeight(random() % 4 == 0 ? QFont::Bold : QFont::Normal);
    f.setFontItalic(random() % 5 == 0);
    f.setFontUnderline(random() % 9 == 0);
    f.setForeground(QColor::fromRgb(colours[random() % colours.size()]));
    return f;
}

} // namespace

namespace BenchDocument {

QImage picture(int index) {
    std::mt19937 random(1000 + index);
    QImage image(300, 200, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 300, 200);
        sky.setColorAt(0, QColor::fromHsv((index * 37) % 360, 90, 240));
        sky.setColorAt(1, QColor::fromHsv((index * 37 + 120) % 360, 160, 120));
        p.fillRect(image.rect(), sky);
        for (int i = 0; i < 12; ++i) {
            // One draw from the generator per statement: the order in which arguments are
            // evaluated is up to the compiler, and every compiler must make the same pictures.
            const int hue = int(random() % 360);
            const int saturation = 120 + int(random() % 120);
            const int value = 100 + int(random() % 150);
            p.setBrush(QColor::fromHsv(hue, saturation, value, 180));
            p.setPen(QPen(Qt::black, 1.5));
            const int x = int(random() % 260);
            const int y = int(random() % 160);
            const int width = 20 + int(random() % 120);
            const int height = 20 + int(random() % 80);
            const QRectF r(x, y, width, height);
            if (i % 2)
                p.drawEllipse(r);
            else
                p.drawRoundedRect(r, 6, 6);
        }
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
        p.drawText(image.rect().adjusted(8, 8, -8, -8), Qt::AlignBottom | Qt::AlignLeft,
                   QStringLiteral("Picture %1").arg(index + 1));
    }
    // Grain as a camera or a scaled screenshot has: it keeps the PNG from collapsing.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random() % 5) - 2;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return image;
}

void fillField(QTextDocument& document) {
    std::mt19937 random(42);
    QTextCursor c(&document);
    c.beginEditBlock();
    const int picturesEvery = kFieldParagraphs / kFieldPictures;
    for (int paragraph = 0; paragraph < kFieldParagraphs; ++paragraph) {
        if (paragraph > 0)
            c.insertBlock();
        const int runs = 4 + int(random() % 8);
        for (int run = 0; run < runs; ++run) {
            const QTextCharFormat format = variedFormat(random);
            c.insertText(sentence(random, 3 + int(random() % 10)), format);
        }
        if (paragraph % picturesEvery == picturesEvery - 1) {
            c.insertBlock();
            QTextImageFormat f;
            f.setName(StyledHtml::addPicture(document, picture(paragraph / picturesEvery)));
            c.insertImage(f);
        }
    }
    c.endEditBlock();
}

BoardEntry boardEntry(int index) {
    BoardEntry entry;
    if (index % kBoardPictureEvery == kBoardPictureEvery / 2 - 1) {
        entry.picture = picture(index / kBoardPictureEvery);
        return entry;
    }
    std::mt19937 random(5000 + index);
    const int sentences = 1 + int(random() % 4);
    QStringList parts;
    for (int i = 0; i < sentences; ++i)
        parts << sentence(random, 5 + int(random() % 11));
    entry.text = parts.join(QString());
    if (index % 4 == 0) {
        // The first sentence bold, the second in a colour, the rest as they are.
        static const std::array<const char*, 3> colours = {"#1f3a93", "#8e1b1b", "#2d6a2d"};
        entry.html = QStringLiteral("<p><b>%1</b>").arg(parts[0].toHtmlEscaped());
        for (int i = 1; i < parts.size(); ++i) {
            entry.html += i == 1 ? QStringLiteral("<span style=\"color:%1\">%2</span>")
                                       .arg(QLatin1String(colours[random() % colours.size()]),
                                            parts[i].toHtmlEscaped())
                                 : parts[i].toHtmlEscaped();
        }
        entry.html += QStringLiteral("</p>");
    }
    return entry;
}

std::unique_ptr<QTextDocument> printable(int pages) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 12));
    std::mt19937 random(7);
    QTextCharFormat plain;
    plain.setFontPointSize(12);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic = plain;
    italic.setFontItalic(true);
    QTextCursor c(document.get());
    const QPageLayout layout = PageSetup::defaultLayout();
    auto addParagraph = [&] {
        if (!document->isEmpty())
            c.insertBlock();
        const int sentences = 3 + int(random() % 5);
        for (int i = 0; i < sentences; ++i) {
            const int choice = int(random() % 10);
            const QTextCharFormat& f = choice == 0 ? bold : choice == 1 ? italic : plain;
            c.insertText(word(random) + QLatin1Char(' '), f);
            c.insertText(sentence(random, 8 + int(random() % 12)), plain);
        }
    };
    auto removeLastParagraph = [&] {
        c.movePosition(QTextCursor::End);
        c.movePosition(QTextCursor::PreviousBlock);
        c.movePosition(QTextCursor::EndOfBlock);
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    };
    // Grow by estimates from the pages so far (each count lays the whole document out), then
    // take paragraphs back until the last page is the wanted one.
    addParagraph();
    for (int count = Printing::pageCount(*document, layout); count <= pages;
         count = Printing::pageCount(*document, layout)) {
        const int more = std::max(1, (pages - count) * document->blockCount() * 4 / (count * 5));
        for (int i = 0; i < more; ++i)
            addParagraph();
    }
    while (Printing::pageCount(*document, layout) > pages)
        removeLastParagraph();
    return document;
}

} // namespace BenchDocument
