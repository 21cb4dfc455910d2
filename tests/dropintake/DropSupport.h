#pragma once

#include "PrintBoardSupport.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"
#include "platform/Wording.h"
#include "printjob/Stamp.h"

#include <QDropEvent>
#include <QMimeData>

// Drops built from real QMimeData, delivered as real drop events to the real targets.
class DropTest : public PrintBoardTest {
protected:
    const QString kUrl = QStringLiteral("https://pages.example/article.html");

    void SetUp() override {
        PrintBoardTest::SetUp();
        settle(); // the start-up second passes, as it has long before any drop
        Clipboard::setMimeData(richUserClipboard());
        before = clipboardFormats();
        for (const char* browser : {"sfri", "MOZB"})
            sim().addApp(QString::fromLatin1(browser)).addressBar = kUrl;
    }
    // The user drags from the application with this creator code onto target.
    void drop(QWidget* target, const QMimeData& data,
              const QString& from = QStringLiteral("mousepad")) {
        sim().setFront(from);
        Module1::FrontMostApp = QStringLiteral("mousepad");
        dropMoment = clock.now();
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        clock.advance(0);
    }
    static QMimeData* text(const QString& plain, const QString& html = {}) {
        auto* d = new QMimeData;
        d->setText(plain);
        if (!html.isEmpty())
            d->setHtml(html);
        return d;
    }
    static QMimeData* pictureDrop(bool withText = false) {
        auto* d = new QMimeData;
        d->setImageData(picture(24, 16, Qt::darkRed));
        if (withText)
            d->setText(QStringLiteral("the picture's caption"));
        return d;
    }
    QString stampOf(const QDateTime& moment) const { return Stamp::dateAndTime(moment); }

    Formats before;
    QDateTime dropMoment;
};
