#include "VelloraTest.h"

#include "app/Module1.h"
#include "app/SingletonWindow.h"
#include "app/Startup.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/SourcePage.h"

#include <QBuffer>
#include <QDir>

void VelloraTest::SetUp() {
    ASSERT_TRUE(m_folder.isValid());
    QDir(m_folder.path()).mkdir(QStringLiteral("Vellora Resources"));
    Files::setApplicationFolder(m_folder.path());
    Files::setWritesFail(false);
    Clock::install(&clock);
    Module1::resetForNewRun();
    SourcePage::forget();
    Clipboard::setMimeData(new QMimeData);
    installDesktop(std::make_unique<SimDesktop>());
    startVellora();
    sim().addApp(QStringLiteral("mousepad"));
    sim().setFront(QStringLiteral("mousepad"));
}

void VelloraTest::TearDown() {
    WindowRegistry::destroyAll();
    Clock::install(nullptr);
    Files::setWritesFail(false);
}

void VelloraTest::editorSelects(const QString& text, const QString& html) {
    sim().selectText(QStringLiteral("mousepad"), text, html);
    sim().setFront(QStringLiteral("mousepad"));
}

Formats formatsOf(const QMimeData& data) {
    Formats out;
    const QStringList formats = data.formats();
    for (const QString& f : formats) {
        if (f != QLatin1String("application/x-qt-image"))
            out[f] = data.data(f);
    }
    return out;
}

Formats clipboardFormats() {
    return formatsOf(*Clipboard::mimeData());
}

QImage picture(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QMimeData* richUserClipboard() {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("the user's own text\nsecond line"));
    data->setHtml(QStringLiteral("<b>the user's own text</b><br>second line"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture(4, 3, Qt::red).save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
    data->setData(QStringLiteral("text/uri-list"), "file:///home/user/report.odt\r\n");
    data->setData(QStringLiteral("application/x-office-private"),
                  QByteArray("\x01\x02\x00\xff", 4));
    return data;
}
