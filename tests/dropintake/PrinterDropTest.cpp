#include "DropSupport.h"

#include "dropintake/DragAndDropAddNoteWindow.h"
#include "printjob/Messages.h"

#include <QFile>
#include <QTest>
#include <QUrl>

namespace {

const QString kObj(QChar::ObjectReplacementCharacter);

struct PrintRow {
    const char* name;
    const char* pref;
    const char* kind; // "text", "styled", "picture", "both"
    const char* from;
    QString expectedBeforeStamp; // the printed text up to the date line; null when not stamped
    QString expectedPlain;       // the printed text of an unstamped drop
};

void PrintTo(const PrintRow& r, std::ostream* os) {
    *os << r.name;
}

class PrinterDropRows : public DropTest, public ::testing::WithParamInterface<PrintRow> {};

TEST_P(PrinterDropRows, PrintsAsThePreferenceSaysAndGivesTheClipboardBack) {
    const PrintRow& r = GetParam();
    Module1::DragAndDropPrintPref = QString::fromLatin1(r.pref);
    const QString kind = QString::fromLatin1(r.kind);
    std::unique_ptr<QMimeData> data(
        kind == QLatin1String("text") ? text(QStringLiteral("dropped words"))
        : kind == QLatin1String("styled")
            ? text(QStringLiteral("dropped words"),
                   QStringLiteral("<b style=\"color:#f00\">dropped words</b>"))
            : pictureDrop(kind == QLatin1String("both")));
    drop(main().IconifyButton, *data, QString::fromLatin1(r.from));
    clock.advance(5000); // printing later does not move the stamp's moment

    ASSERT_EQ(sim().prints().size(), 1u);
    const auto& printed = sim().prints()[0];
    if (r.expectedBeforeStamp.isNull()) {
        EXPECT_EQ(printed.text, r.expectedPlain);
    } else {
        EXPECT_EQ(printed.text,
                  r.expectedBeforeStamp + QStringLiteral("\r\r") + stampOf(dropMoment));
    }
    if (kind == QLatin1String("text") || kind == QLatin1String("styled")) {
        EXPECT_EQ(printed.runs.at(0).family, QStringLiteral("Geneva"));
        EXPECT_EQ(printed.runs.at(0).pointSize, 12);
        EXPECT_FALSE(printed.runs.at(0).bold);
        EXPECT_EQ(printed.runs.at(0).color, QColor(Qt::black));
    } else {
        EXPECT_EQ(printed.pictures.size(), 1u);
    }
    EXPECT_EQ(Module1::CheckForSafari, QString::fromLatin1(r.from));
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_TRUE(main().EditField2->Text().isEmpty());
    EXPECT_EQ(sim().GetFrontProcessCreator(), QString::fromLatin1(r.from))
        << "the application the material came from is in front again";
}

INSTANTIATE_TEST_SUITE_P(
    Branches, PrinterDropRows,
    ::testing::Values(
        PrintRow{"NoStampText", "No Stamp", "text", "mousepad", QString(),
                 QStringLiteral("dropped words")},
        PrintRow{"NoStampStyledPrintsPlain", "No Stamp", "styled", "sfri", QString(),
                 QStringLiteral("dropped words")},
        PrintRow{"NoStampPicture", "No Stamp", "picture", "mousepad", QString(), kObj},
        PrintRow{"PictureWinsOverText", "No Stamp", "both", "mousepad", QString(), kObj},
        PrintRow{"WithStampFromAnEditor",
                 "With Stamp",
                 "text",
                 "mousepad",
                 QStringLiteral("dropped words"),
                 {}},
        PrintRow{"WithStampFromSafari",
                 "With Stamp",
                 "styled",
                 "sfri",
                 QStringLiteral("dropped words\r\rhttps://pages.example/article.html"),
                 {}},
        PrintRow{"WithStampPictureFromFirefox",
                 "With Stamp",
                 "picture",
                 "MOZB",
                 kObj + QStringLiteral("\r\rhttps://pages.example/article.html"),
                 {}},
        PrintRow{"WithStampPictureFromAnEditor", "With Stamp", "picture", "mousepad", kObj, {}}),
    [](const ::testing::TestParamInfo<PrintRow>& p) { return std::string(p.param.name); });

class PrinterDrop : public DropTest {};

TEST_F(PrinterDrop, UsesTheSourcePageTheBrowserAttachedToTheDrag) {
    Module1::DragAndDropPrintPref = QStringLiteral("With Stamp");
    std::unique_ptr<QMimeData> data(text(QStringLiteral("quote")));
    data->setData(QStringLiteral("chromium/x-source-url"), "https://attached.example/page\n");
    drop(main().IconifyButton, *data, QStringLiteral("sfri"));
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(sim().prints()[0].text.startsWith(
        QStringLiteral("quote\r\rhttps://attached.example/page\r\r")));
    EXPECT_FALSE(sim().postedKeys().contains(QStringLiteral("Ctrl+L")));
}

TEST_F(PrinterDrop, CancelledAndFailingPrintsGiveTheClipboardBack) {
    Module1::DragAndDropPrintPref = QStringLiteral("No Stamp");
    std::unique_ptr<QMimeData> data(pictureDrop());
    sim().scriptPrintResult(-128);
    drop(main().IconifyButton, *data);
    EXPECT_TRUE(sim().messages().isEmpty());
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_FALSE(main().DragAndDropBackDropCanvas->backdrop().isNull()) << "kept after a print";

    sim().scriptPrintResult(-30);
    drop(main().IconifyButton, *data);
    EXPECT_EQ(sim().messages(), QStringList{QStringLiteral("Printing Error:  -30")});
    EXPECT_EQ(sim().beeps(), 1);
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_TRUE(main().DragAndDropBackDropCanvas->backdrop().isNull());
    EXPECT_TRUE(main().EditField2->Text().isEmpty());
}

// The pointer comes to rest on the icon as the drag ends, while the Clipboard holds the
// dropped material or, for a browser, the page address that the job fetched.
TEST_F(PrinterDrop, ThePointerComingToRestOnTheIconDuringTheJobKeepsTheUsersClipboard) {
    for (const char* from : {"mousepad", "sfri"}) {
        SCOPED_TRACE(from);
        Module1::DragAndDropPrintPref = QStringLiteral("With Stamp");
        std::unique_ptr<QMimeData> data(text(QStringLiteral("dropped words")));
        sim().whilePrinting([this] {
            QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
            QApplication::sendEvent(main().IconifyButton, &enter);
        });
        drop(main().IconifyButton, *data, QString::fromLatin1(from));
        EXPECT_EQ(clipboardFormats(), before);
    }
    EXPECT_EQ(sim().prints().size(), 2u);
}

TEST_F(PrinterDrop, AnUnknownPreferenceOrABinaryFilePrintsNothing) {
    std::unique_ptr<QMimeData> data(text(QStringLiteral("words")));
    drop(main().IconifyButton, *data);
    EXPECT_TRUE(sim().prints().empty());
    EXPECT_TRUE(sim().messages().isEmpty());
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_TRUE(main().SaveOldClipboardWASTEfield->Text().isEmpty());

    Module1::DragAndDropPrintPref = QStringLiteral("No Stamp");
    const QString file = folder() + QStringLiteral("/photo.txt");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10));
    f.close();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(file)});
    drop(main().IconifyButton, files);
    EXPECT_TRUE(sim().prints().empty());
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].contains(QStringLiteral("does not hold text")));
    EXPECT_EQ(clipboardFormats(), before);
}

TEST_F(PrinterDrop, ADroppedTextFilePrintsItsText) {
    Module1::DragAndDropPrintPref = QStringLiteral("No Stamp");
    const QString file = folder() + QStringLiteral("/notes.txt");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("line one\nline two\n");
    f.close();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(file)});
    drop(main().IconifyButton, files);
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(sim().prints()[0].text, QStringLiteral("line one\rline two\r"));
}

class PrintNoteWindow : public DropTest {
protected:
    void SetUp() override {
        DropTest::SetUp();
        Module1::DragAndDropPrintPref = QStringLiteral("With Note");
    }
    DragAndDropAddNoteWindow& window() { return DragAndDropAddNoteWindow::instance(); }
};

TEST_F(PrintNoteWindow, HoldsTheDropAndPrintsItWithTheNoteAtTheMomentOfTheClick) {
    sim().setScreenSize(QSize(1280, 740));
    std::unique_ptr<QMimeData> data(text(QStringLiteral("held words")));
    drop(main().IconifyButton, *data, QStringLiteral("sfri"));
    EXPECT_TRUE(sim().prints().empty());
    DragAndDropAddNoteWindow& w = window();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.geometry().topLeft(), QPoint(1280 - 350, 50));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Add a Note to What You Are Printing"));
    EXPECT_FALSE(w.AddNotePushButton->isEnabled());
    QTest::keyClicks(w.EditField1, QStringLiteral("why"));
    EXPECT_TRUE(w.AddNotePushButton->isEnabled());
    clock.advance(3000);
    const QDateTime clicked = clock.now();
    w.AddNotePushButton->click();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(sim().prints()[0].text, QStringLiteral("held words\r\r") + kUrl +
                                          QStringLiteral("\r\rNote: why\r\r") + stampOf(clicked) +
                                          QStringLiteral("\r") + Stamp::PrintSeparator);
    EXPECT_EQ(clipboardFormats(), before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(DragAndDropAddNoteWindow::existing());
}

TEST_F(PrintNoteWindow, APrintErrorKeepsTheNoteAndCancelPrintsNothing) {
    std::unique_ptr<QMimeData> data(pictureDrop());
    drop(main().IconifyButton, *data);
    QTest::keyClicks(window().EditField1, QStringLiteral("kept"));
    sim().scriptPrintResult(-5);
    window().AddNotePushButton->click();
    EXPECT_EQ(sim().messages(), QStringList{QStringLiteral("Printing Error: -5")});
    EXPECT_EQ(sim().beeps(), 0);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().EditField1->toPlainText(), QStringLiteral("kept"));
    EXPECT_EQ(clipboardFormats(), before);

    drop(main().IconifyButton, *data);
    window().CancelPushButton->click();
    EXPECT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_TRUE(main().EditField2->Text().isEmpty());
    EXPECT_TRUE(main().DragAndDropBackDropCanvas->backdrop().isNull());
}

TEST_F(PrintNoteWindow, ClosingTheWindowAbandonsTheJobAsCancelDoes) {
    std::unique_ptr<QMimeData> data(text(QStringLiteral("abandoned")));
    drop(main().IconifyButton, *data);
    window().close();
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_TRUE(main().EditField2->Text().isEmpty());
    EXPECT_TRUE(sim().prints().empty());
}

} // namespace
