#include "VelloraTest.h"

#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/StyledHtml.h"
#include "platform/WASTEfield.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace {

class WASTEfieldTest : public VelloraTest {
protected:
    WASTEfield field{QStringLiteral("field"), QStringLiteral("Geneva"), 12};
    WASTEfield other{QStringLiteral("other"), QStringLiteral("Lucida Grande"), 12};

    QString path(const QString& name) const { return folder() + QLatin1Char('/') + name; }

    void pasteHtml(WASTEfield& f, const QString& html) {
        auto* d = new QMimeData;
        d->setHtml(html);
        Clipboard::setMimeData(d);
        f.Paste();
    }
    void pastePicture(WASTEfield& f, const QImage& image) {
        Clipboard::setPicture(image);
        f.Paste();
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    static void write(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(WASTEfieldTest, OffsetsCountLineBreaksAndPicturesAsOneCharacter) {
    field.SetText(QStringLiteral("ab\rcd"));
    EXPECT_EQ(field.GetTextLength(), 5);
    field.SetSelection(5, 5);
    pastePicture(field, picture(5, 5, Qt::green));
    EXPECT_EQ(field.GetTextLength(), 6);
    EXPECT_EQ(field.SelStart(), 6);
    EXPECT_EQ(field.Text(), QStringLiteral("ab\rcd") + QChar(QChar::ObjectReplacementCharacter));
    field.SetSelection(1, 4);
    EXPECT_EQ(field.SelStart(), 1);
    EXPECT_EQ(field.SelEnd(), 4);
    EXPECT_EQ(field.SelLength(), 3);
    field.SetSelection(-5, 99); // clamped to the content
    EXPECT_EQ(field.SelStart(), 0);
    EXPECT_EQ(field.SelEnd(), 6);
}

TEST_F(WASTEfieldTest, PastesHtmlPlainTextAndPictures) {
    pasteHtml(field, QStringLiteral("<b>bold</b> <i>it</i>"));
    Clipboard::setText(QStringLiteral(" plain\nline"));
    field.Paste();
    pastePicture(field, picture(8, 6, Qt::red));
    const auto doc = SimDesktop::describe(*field.document());
    EXPECT_EQ(doc.text,
              QStringLiteral("bold it plain\rline") + QChar(QChar::ObjectReplacementCharacter));
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_EQ(doc.pictures[0].size(), QSize(8, 6));
    EXPECT_TRUE(doc.runs.at(0).bold);
    // Plain text takes the typing style: the field's own font, plain.
    field.SetSelection(8, 13);
    EXPECT_EQ(field.SelTextFont(), QStringLiteral("Geneva"));
    EXPECT_TRUE(field.SelPlain());
}

TEST_F(WASTEfieldTest, BrowserPixelSizesBecomePointsAndTextThatNamesOneStays) {
    pasteHtml(field, QStringLiteral("<span style=\"font-size: 16px\">font-size: 16px</span>"
                                    "<b style=\"font-size:32px\">big</b><i>kept</i>"));
    const auto doc = SimDesktop::describe(*field.document());
    EXPECT_EQ(doc.text, QStringLiteral("font-size: 16pxbigkept"));
    field.SetSelection(0, 15);
    EXPECT_EQ(field.SelTextSize(), 12);
    field.SetSelection(15, 18);
    EXPECT_EQ(field.SelTextSize(), 24);
    EXPECT_TRUE(field.SelBold());
    field.SetSelection(18, 22);
    EXPECT_TRUE(field.SelItalic());
    EXPECT_EQ(field.SelTextSize(), 12) << "a run without a size keeps the field's own";
}

TEST_F(WASTEfieldTest, ABrowserPictureCopyPastesThePictureNotTheWebAddress) {
    auto* d = new QMimeData;
    d->setHtml(QStringLiteral("<img src=\"https://example.org/cat.png\">"));
    d->setImageData(picture(10, 10, Qt::gray));
    Clipboard::setMimeData(d);
    field.Paste();
    EXPECT_EQ(SimDesktop::describe(*field.document()).pictures.size(), 1u);
}

TEST_F(WASTEfieldTest, CopyCarriesStylesAndPicturesToAnotherField) {
    pasteHtml(field, QStringLiteral("<span style=\"color:#00ff00; font-size:18pt\">green</span>"));
    pastePicture(field, picture(3, 3, Qt::yellow));
    field.SelectAll();
    field.Copy();
    other.Paste();
    const auto doc = SimDesktop::describe(*other.document());
    EXPECT_EQ(doc.text, QStringLiteral("green") + QChar(QChar::ObjectReplacementCharacter));
    EXPECT_EQ(doc.runs.at(0).color, QColor(Qt::green));
    EXPECT_EQ(doc.runs.at(0).pointSize, 18);
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_EQ(doc.pictures[0].pixelColor(1, 1), QColor(Qt::yellow));
}

TEST_F(WASTEfieldTest, ACopiedSinglePictureIsOfferedAsAPicture) {
    pastePicture(field, picture(7, 7, Qt::blue));
    field.SelectAll();
    field.Copy();
    EXPECT_TRUE(Clipboard::offersPicture());
    EXPECT_EQ(Clipboard::picture().size(), QSize(7, 7));
    EXPECT_FALSE(Clipboard::offersText());
}

TEST_F(WASTEfieldTest, TheSavedClipboardFieldGivesBackEveryFormat) {
    field.setKeepsClipboardFormats(true);
    Clipboard::setMimeData(richUserClipboard());
    const Formats before = clipboardFormats();
    field.Paste();
    Clipboard::setText(QStringLiteral("something else"));
    field.SetSelection(0, field.GetTextLength());
    field.Copy();
    EXPECT_EQ(clipboardFormats(), before);
}

TEST_F(WASTEfieldTest, SaveAndLoadRoundTripCharactersStylesAndPictures) {
    pasteHtml(
        field,
        QStringLiteral("<p><span style=\"font-family:'Lucida Grande'; font-size:9pt\">small</span> "
                       "<span style=\"font-size:24pt; color:#0000ff\"><b>big blue</b></span></p>"
                       "<p><i>italic</i> \u00e9t\u00e9 \u2014 \u6f22\u5b57</p><p></p>"));
    pastePicture(field, picture(12, 9, Qt::red));
    Clipboard::setText(QStringLiteral("\rafter"));
    field.Paste();
    pastePicture(field, picture(4, 16, Qt::green));
    const auto before = SimDesktop::describe(*field.document());

    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("doc.html"))));
    ASSERT_TRUE(other.LoadFile(path(QStringLiteral("doc.html")), 0, other.GetTextLength()));
    const auto after = SimDesktop::describe(*other.document());

    EXPECT_EQ(after.text, before.text);
    ASSERT_EQ(after.pictures.size(), 2u);
    EXPECT_EQ(after.pictures[0].size(), QSize(12, 9));
    EXPECT_EQ(after.pictures[1].pixelColor(0, 0), QColor(Qt::green));
    ASSERT_EQ(after.runs.size(), before.runs.size());
    for (size_t i = 0; i < before.runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after.runs[i].start, before.runs[i].start);
        EXPECT_EQ(after.runs[i].family, before.runs[i].family);
        EXPECT_EQ(after.runs[i].pointSize, before.runs[i].pointSize);
        EXPECT_EQ(after.runs[i].bold, before.runs[i].bold);
        EXPECT_EQ(after.runs[i].italic, before.runs[i].italic);
        EXPECT_EQ(after.runs[i].color, before.runs[i].color);
    }
    EXPECT_EQ(other.SelStart(), other.GetTextLength()) << "the insertion point ends after the load";
}

TEST_F(WASTEfieldTest, LoadingIntoARangeReplacesOnlyThatRange) {
    field.SetText(QStringLiteral("inserted"));
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("part.html"))));
    other.SetText(QStringLiteral("[--]"));
    ASSERT_TRUE(other.LoadFile(path(QStringLiteral("part.html")), 1, 3));
    EXPECT_EQ(other.Text(), QStringLiteral("[inserted]"));
}

struct BadFile {
    const char* name;
    std::function<QByteArray(const QByteArray& good)> bytes;
};

void PrintTo(const BadFile& b, std::ostream* os) {
    *os << b.name;
}

class WASTEfieldBadFiles : public WASTEfieldTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(WASTEfieldBadFiles, AreRefusedAndLeaveTheFieldAsItWas) {
    field.SetText(QStringLiteral("a saved document"));
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("good.html"))));
    write(path(QStringLiteral("bad")), GetParam().bytes(read(path(QStringLiteral("good.html")))));
    other.SetText(QStringLiteral("keep me"));
    other.SetSelStart(other.GetTextLength());
    pastePicture(other, picture(6, 5, Qt::cyan));
    EXPECT_FALSE(other.LoadFile(path(QStringLiteral("bad")), 0, other.GetTextLength()));
    EXPECT_EQ(other.Text(), QStringLiteral("keep me") + QChar(QChar::ObjectReplacementCharacter));
    const auto doc = SimDesktop::describe(*other.document());
    ASSERT_EQ(doc.pictures.size(), 1u) << "a refused load keeps the pictures";
    EXPECT_EQ(doc.pictures[0].pixelColor(0, 0), QColor(Qt::cyan));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WASTEfieldBadFiles,
    ::testing::Values(
        BadFile{"Truncated", [](const QByteArray& g) { return g.left(g.size() * 2 / 3); }},
        BadFile{"Binary",
                [](const QByteArray&) {
                    QByteArray b;
                    for (int i = 0; i < 4096; ++i)
                        b.append(char((i * 7919) % 256));
                    return b;
                }},
        BadFile{"NotUtf8", [](const QByteArray& g) { return QByteArray("\xff\xfe") + g; }},
        BadFile{"Empty", [](const QByteArray&) { return QByteArray(); }},
        BadFile{"FiftyMegabytesOfGarbage",
                [](const QByteArray&) { return QByteArray(50 * 1024 * 1024, 'A'); }}),
    [](const ::testing::TestParamInfo<BadFile>& p) { return std::string(p.param.name); });

TEST_F(WASTEfieldTest, AMissingFileIsRefused) {
    other.SetText(QStringLiteral("keep"));
    EXPECT_FALSE(other.LoadFile(path(QStringLiteral("missing")), 0, 4));
    EXPECT_EQ(other.Text(), QStringLiteral("keep"));
}

TEST_F(WASTEfieldTest, LoadingNeverReadsAFileOrTheNetworkThatTheDocumentNames) {
    // A picture beside the document that a careless loader would read.
    picture(20, 20, Qt::red).save(path(QStringLiteral("secret.png")));
    const QString html =
        QStringLiteral(
            "<!DOCTYPE html><html><body><p>x<img src=\"file://%1\">"
            "<img src=\"secret.png\"><img src=\"http://127.0.0.1:9/x.png\">"
            "<img src=\"file:///etc/passwd\"><span style=\"background-image:url(secret.png)\">"
            "y</span></p></body></html>")
            .arg(path(QStringLiteral("secret.png")));
    write(path(QStringLiteral("hostile.html")), html.toUtf8());
    ASSERT_TRUE(other.LoadFile(path(QStringLiteral("hostile.html")), 0, 0));
    const auto doc = SimDesktop::describe(*other.document());
    EXPECT_EQ(doc.text, QStringLiteral("xy"));
    EXPECT_TRUE(doc.pictures.empty());
    const QVariant leaked = other.document()->resource(QTextDocument::ImageResource,
                                                       QUrl(QStringLiteral("secret.png")));
    EXPECT_FALSE(leaked.isValid());
}

TEST_F(WASTEfieldTest, AFailedSaveKeepsTheOldFileWhole) {
    const QString file = path(QStringLiteral("board.html"));
    field.SetText(QStringLiteral("the old document"));
    ASSERT_TRUE(field.SaveFile(file));
    const QByteArray old = read(file);
    field.SetText(QStringLiteral("the new document"));

    Files::setWritesFail(true);
    EXPECT_FALSE(field.SaveFile(file));
    Files::setWritesFail(false);
    EXPECT_EQ(read(file), old);

    // A folder that cannot be written: the write goes nowhere and the old file stays.
    EXPECT_FALSE(field.SaveFile(path(QStringLiteral("no such folder/board.html"))));
    EXPECT_EQ(read(file), old);
    EXPECT_TRUE(QDir(folder()).entryList(QStringList{QStringLiteral("*.tmp*")}).isEmpty());
}

TEST_F(WASTEfieldTest, AFullDiskKeepsTheOldFileWhole) {
    // A tiny file system of its own; needs the rights to mount one, else it is skipped.
    const QString mount = path(QStringLiteral("tiny"));
    QDir().mkpath(mount);
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=64k"), QStringLiteral("tmpfs"), mount}) != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    }
    const QString file = mount + QStringLiteral("/board.html");
    field.SetText(QStringLiteral("small"));
    ASSERT_TRUE(field.SaveFile(file));
    const QByteArray old = read(file);
    pastePicture(field, picture(400, 400, QColor(1, 2, 3)));
    for (int i = 0; i < 40; ++i) // pictures of noise do not compress
        pastePicture(field, QImage(QSize(64, 64), QImage::Format_ARGB32));
    QString noise;
    for (int i = 0; i < 200000; ++i)
        noise += QChar(0x4e00 + (i * 7919) % 20000);
    Clipboard::setText(noise);
    field.Paste();
    EXPECT_FALSE(field.SaveFile(file));
    EXPECT_EQ(read(file), old);
    QProcess::execute(QStringLiteral("umount"), {mount});
}

} // namespace

namespace {

TEST_F(WASTEfieldTest, StyleOfTheWholeContentBecomesTheTypingStyleAndSurvivesEmptying) {
    field.SetText(QStringLiteral("old"));
    field.SetSelection(0, field.GetTextLength());
    field.SetSelTextFont(QStringLiteral("Helvetica"));
    field.SetSelTextSize(16);
    field.SetSelTextColor(Qt::red);
    field.SetText(QString());
    Clipboard::setText(QStringLiteral("new"));
    field.Paste();
    field.SetSelection(0, 3);
    EXPECT_EQ(field.SelTextFont(), QStringLiteral("Helvetica"));
    EXPECT_EQ(field.SelTextSize(), 16);
    EXPECT_EQ(field.SelTextColor(), QColor(Qt::red));
    QString font;
    ASSERT_TRUE(field.GetAttString(QStringLiteral("font"), -2, font));
    EXPECT_EQ(font, QStringLiteral("Helvetica"));
}

TEST_F(WASTEfieldTest, PrintAndPageSetupGoThroughTheDesktopWithTheFieldsPageSetup) {
    field.SetText(QStringLiteral("page"));
    const QPageLayout landscape(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                QMarginsF(5, 5, 5, 5));
    sim().setPageSetupChoice(landscape);
    EXPECT_EQ(field.PageSetup(), 0);
    sim().scriptPrintResult(-30);
    EXPECT_EQ(field.Print(), -30);
    EXPECT_EQ(field.Print(), 0);
    ASSERT_EQ(sim().prints().size(), 2u);
    EXPECT_TRUE(sim().prints()[1].layout.isEquivalentTo(landscape));
    EXPECT_EQ(sim().prints()[1].text, QStringLiteral("page"));
    EXPECT_FALSE(other.pageSetup().layout.isEquivalentTo(landscape)) << "each field keeps its own";
}

} // namespace

namespace {
TEST_F(WASTEfieldTest, TrailingLineBreaksAfterAPictureSurviveACopy) {
    pastePicture(field, picture(4, 4, Qt::red));
    Clipboard::setText(QStringLiteral(" \r\r"));
    field.Paste();
    field.SelectAll();
    field.Copy();
    other.Paste();
    EXPECT_EQ(other.Text(), QString(QChar::ObjectReplacementCharacter) + " \r\r");
}
} // namespace

namespace {

// A picture whose every pixel differs, so that a wrong picture or a lossy copy shows.
QImage pattern(int seed) {
    QImage image(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 10 + seed * 37) % 256, y * 15, (x * y + seed) % 256));
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// Qt's PNG at quality 100 is stored without compression: never what saving writes.
QByteArray uncompressedPng(const QImage& image) {
    return encoded(image, "PNG", 100);
}

QString dataUrl(const char* type, const QByteArray& bytes) {
    return QStringLiteral("data:image/%1;base64,").arg(QLatin1String(type)) +
           QString::fromLatin1(bytes.toBase64());
}

// The data URLs of a saved file, in order.
QStringList urlsIn(const QByteArray& file) {
    static const QRegularExpression src(QStringLiteral("src=\"(data:[^\"]*)\""));
    QStringList urls;
    auto it = src.globalMatch(QString::fromUtf8(file));
    while (it.hasNext())
        urls << it.next().captured(1);
    return urls;
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// Checks that url is what a browser reads as a PNG of picture: declared as one, plain base64,
// PNG bytes.
void expectPngOf(const QString& url, const QImage& picture) {
    const QString prefix = QStringLiteral("data:image/png;base64,");
    ASSERT_TRUE(url.startsWith(prefix)) << url.left(40).toStdString();
    const auto bytes = QByteArray::fromBase64Encoding(url.mid(prefix.size()).toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
    ASSERT_TRUE(bytes) << "not plain base64";
    EXPECT_TRUE(bytes.decoded.startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(rgb(QImage::fromData(bytes.decoded, "PNG")), rgb(picture));
}

QStringList pictureNames(const QTextDocument& document) {
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat())
                names << f.toImageFormat().name();
        }
    }
    return names;
}

// Files whose pictures come in forms of their own, and what saving makes of them.
class WASTEfieldPictureFiles : public WASTEfieldTest {
protected:
    void TearDown() override {
        StyledHtml::setEmbeddedPictureLimit(StyledHtml::kEmbeddedPictureLimit);
        WASTEfieldTest::TearDown();
    }

    // Writes a document of text and one <img> for each data URL.
    QString writeDocument(const QString& name, const QStringList& urls) {
        QString html = QStringLiteral("<!DOCTYPE html><html><body><p>pictures");
        for (const QString& url : urls)
            html += QStringLiteral("<img src=\"%1\">").arg(url);
        html += QStringLiteral("</p></body></html>");
        write(path(name), html.toUtf8());
        return path(name);
    }
};

TEST_F(WASTEfieldPictureFiles, SavingALoadedFileWritesItsPicturesAsTheFileHadThem) {
    const QStringList urls = {dataUrl("png", uncompressedPng(pattern(1))),
                              dataUrl("png", uncompressedPng(pattern(2)))};
    ASSERT_TRUE(field.LoadFile(writeDocument(QStringLiteral("in.html"), urls), 0, 0));
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("out.html"))));
    EXPECT_EQ(urlsIn(read(path(QStringLiteral("out.html")))), urls);

    // What is copied out of the field is a picture as the file had it, too.
    field.SelectAll();
    field.Copy();
    EXPECT_EQ(urlsIn(Clipboard::mimeData()->html().toUtf8()), urls);
}

struct PictureForm {
    const char* name;
    std::function<QString(const QImage&)> url;
};

void PrintTo(const PictureForm& f, std::ostream* os) {
    *os << f.name;
}

class WASTEfieldPictureForms : public WASTEfieldPictureFiles,
                               public ::testing::WithParamInterface<PictureForm> {};

// Pictures that a file holds in forms saving never writes are written as a plain PNG of what
// was loaded, not copied as they came.
TEST_P(WASTEfieldPictureForms, AreSavedAsPlainPng) {
    const QString url = GetParam().url(pattern(3));
    ASSERT_TRUE(field.LoadFile(writeDocument(QStringLiteral("in.html"), {url}), 0, 0));
    const auto loaded = SimDesktop::describe(*field.document());
    ASSERT_EQ(loaded.pictures.size(), 1u);
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("out.html"))));
    const QStringList saved = urlsIn(read(path(QStringLiteral("out.html"))));
    ASSERT_EQ(saved.size(), 1);
    expectPngOf(saved[0], loaded.pictures[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WASTEfieldPictureForms,
    ::testing::Values(
        PictureForm{"Jpeg", [](const QImage& p) { return dataUrl("jpeg", encoded(p, "JPEG")); }},
        PictureForm{"JpegDeclaredAsPng",
                    [](const QImage& p) { return dataUrl("png", encoded(p, "JPEG")); }},
        PictureForm{"PngDeclaredAsGif",
                    [](const QImage& p) { return dataUrl("gif", uncompressedPng(p)); }},
        PictureForm{"PngInLinesOf76",
                    [](const QImage& p) {
                        QString url = dataUrl("png", uncompressedPng(p));
                        for (qsizetype at = 98; at < url.size(); at += 78)
                            url.insert(at, QStringLiteral("\r\n"));
                        return url;
                    }}),
    [](const ::testing::TestParamInfo<PictureForm>& p) { return std::string(p.param.name); });

TEST_F(WASTEfieldPictureFiles, APictureReplacedUnderItsNameIsSavedAsItIsNow) {
    ASSERT_TRUE(field.LoadFile(
        writeDocument(QStringLiteral("in.html"), {dataUrl("png", uncompressedPng(pattern(4)))}), 0,
        0));
    const QStringList names = pictureNames(*field.document());
    ASSERT_EQ(names.size(), 1);
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("first.html"))));

    // Another document that holds another picture under the same name, and the same document
    // after its picture was changed in place.
    QTextDocument elsewhere;
    elsewhere.addResource(QTextDocument::ImageResource, QUrl(names[0]), pattern(5));
    QTextImageFormat f;
    f.setName(names[0]);
    QTextCursor(&elsewhere).insertImage(f);
    const QStringList there = urlsIn(StyledHtml::fromDocument(elsewhere).toUtf8());
    ASSERT_EQ(there.size(), 1);
    expectPngOf(there[0], pattern(5));

    field.document()->addResource(QTextDocument::ImageResource, QUrl(names[0]), pattern(6));
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("second.html"))));
    const QStringList saved = urlsIn(read(path(QStringLiteral("second.html"))));
    ASSERT_EQ(saved.size(), 1);
    expectPngOf(saved[0], pattern(6));
}

TEST_F(WASTEfieldPictureFiles, KeptPicturesStayWithinTheLimitAndTheRestAreEncodedAgain) {
    QStringList urls;
    std::vector<QImage> pictures;
    for (int i = 0; i < 8; ++i) {
        pictures.push_back(pattern(10 + i));
        urls << dataUrl("png", uncompressedPng(pictures.back()));
    }
    // Room for five of the eight; the base64 is what counts.
    const qint64 limit = qint64(urls[0].size()) * 11 / 2;
    StyledHtml::setEmbeddedPictureLimit(limit);
    ASSERT_TRUE(field.LoadFile(writeDocument(QStringLiteral("in.html"), urls), 0, 0));
    EXPECT_LE(StyledHtml::embeddedPictureBytes(), limit);
    ASSERT_TRUE(field.SaveFile(path(QStringLiteral("out.html"))));
    EXPECT_LE(StyledHtml::embeddedPictureBytes(), limit);

    // The last five loaded are written as kept, without pushing each other out; the first three
    // are encoded again, and all are the pictures they were.
    const QStringList saved = urlsIn(read(path(QStringLiteral("out.html"))));
    ASSERT_EQ(saved.size(), urls.size());
    for (qsizetype i = 0; i < saved.size(); ++i) {
        SCOPED_TRACE(i);
        expectPngOf(saved[i], pictures[size_t(i)]);
        EXPECT_EQ(saved[i] == urls[i], i >= 3);
    }
}

// What is kept for a field's pictures goes with them, so that the fields that load the board
// again and again do not hold every earlier load's pictures up to the limit.
TEST_F(WASTEfieldPictureFiles, KeptPicturesGoWithTheirField) {
    const QString file =
        writeDocument(QStringLiteral("in.html"), {dataUrl("png", uncompressedPng(pattern(30))),
                                                  dataUrl("png", uncompressedPng(pattern(31)))});
    other.SetText(QStringLiteral("text"));
    ASSERT_TRUE(other.SaveFile(path(QStringLiteral("text.html"))));
    const std::vector<std::pair<const char*, std::function<void(WASTEfield&)>>> ends = {
        {"emptied", [](WASTEfield& f) { f.SetText(QString()); }},
        {"loaded over",
         [this](WASTEfield& f) {
             ASSERT_TRUE(f.LoadFile(path(QStringLiteral("text.html")), 0, f.GetTextLength()));
         }},
        {"cleared by Qt", [](WASTEfield& f) { f.clear(); }},
    };
    for (const auto& [name, end] : ends) {
        SCOPED_TRACE(name);
        const qint64 before = StyledHtml::embeddedPictureBytes();
        ASSERT_TRUE(field.LoadFile(file, 0, field.GetTextLength()));
        EXPECT_GT(StyledHtml::embeddedPictureBytes(), before);
        end(field);
        EXPECT_EQ(StyledHtml::embeddedPictureBytes(), before);
    }
    const qint64 before = StyledHtml::embeddedPictureBytes();
    {
        WASTEfield passing(QStringLiteral("passing"), QStringLiteral("Geneva"), 12);
        ASSERT_TRUE(passing.LoadFile(file, 0, 0));
        EXPECT_GT(StyledHtml::embeddedPictureBytes(), before);
    }
    EXPECT_EQ(StyledHtml::embeddedPictureBytes(), before) << "destroyed";
}

struct LoadRange {
    const char* name;
    int start;
    int end; // -1: the end of the content
    bool replacesAll;
};

void PrintTo(const LoadRange& r, std::ostream* os) {
    *os << r.name;
}

class WASTEfieldLoadRanges : public WASTEfieldPictureFiles,
                             public ::testing::WithParamInterface<LoadRange> {};

// A load over the whole content lets go of the pictures it replaces, and keeps the field's own
// font; a load into part of the content keeps the pictures around it.
TEST_P(WASTEfieldLoadRanges, KeepOnlyThePicturesThatAreStillShown) {
    const LoadRange range = GetParam();
    other.SetText(QStringLiteral("loaded"));
    ASSERT_TRUE(other.SaveFile(path(QStringLiteral("text.html"))));
    field.SetText(QStringLiteral("ab"));
    field.SetSelection(1, 1);
    pastePicture(field, pattern(20));
    const QString old = pictureNames(*field.document()).value(0);
    const QFont font = field.document()->defaultFont();

    ASSERT_TRUE(field.LoadFile(path(QStringLiteral("text.html")), range.start,
                               range.end < 0 ? field.GetTextLength() : range.end));
    const QVariant kept = field.document()->resource(QTextDocument::ImageResource, QUrl(old));
    EXPECT_EQ(kept.isValid(), !range.replacesAll);
    EXPECT_EQ(pictureNames(*field.document()).contains(old), !range.replacesAll);
    EXPECT_EQ(field.document()->defaultFont(), font);
    if (range.replacesAll) {
        EXPECT_EQ(field.Text(), QStringLiteral("loaded"));
    }
    EXPECT_EQ(field.SelStart(), field.Text().indexOf(QStringLiteral("loaded")) + 6)
        << "the insertion point ends after the load";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WASTEfieldLoadRanges,
    ::testing::Values(LoadRange{"Whole", 0, -1, true}, LoadRange{"BeyondBothEnds", -4, 999, true},
                      LoadRange{"AtTheStart", 0, 0, false}, LoadRange{"OverTheText", 2, 3, false},
                      LoadRange{"AtTheEnd", 3, 3, false}),
    [](const ::testing::TestParamInfo<LoadRange>& p) { return std::string(p.param.name); });

} // namespace
