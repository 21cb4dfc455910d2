#include "SimDesktop.h"

#include "../Clipboard.h"
#include "../Clock.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <utility>

namespace {

const QString kCommandDown = QStringLiteral("Command down");
const QString kCommandUp = QStringLiteral("Command up");

QString keyName(const QString& key, int code, bool down) {
    return QStringLiteral("%1 %2 %3")
        .arg(key)
        .arg(code)
        .arg(down ? QStringLiteral("down") : QStringLiteral("up"));
}

bool sameCode(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

SimDesktop::SimDesktop() = default;

SimDesktop::App& SimDesktop::addApp(const QString& creator) {
    App& a = m_apps[creator.toLower()];
    a.creator = creator;
    return a;
}

SimDesktop::App* SimDesktop::app(const QString& creator) {
    auto it = m_apps.find(creator.toLower());
    return it == m_apps.end() ? nullptr : &it->second;
}

void SimDesktop::selectText(const QString& creator, const QString& text, const QString& html) {
    App& a = app(creator) ? *app(creator) : addApp(creator);
    a.selection.clear();
    a.selectedPicture = QImage();
    if (!text.isNull())
        a.selection.insert(QStringLiteral("text/plain"), MimeText::toDesktop(text).toUtf8());
    if (!html.isEmpty())
        a.selection.insert(QStringLiteral("text/html"), html.toUtf8());
}

QString SimDesktop::GetFrontProcessCreator() {
    return m_front;
}

int SimDesktop::SetProcessWithCreatorFront(const QString& creator) {
    if (creator.isEmpty())
        return -1;
    if (!sameCode(creator, GetMyCreator()) && !app(creator))
        return -1;
    m_front = sameCode(creator, GetMyCreator()) ? GetMyCreator() : app(creator)->creator;
    record(EventKind::Front, m_front);
    return 0;
}

int SimDesktop::BringProcessFront() {
    m_front = GetMyCreator();
    record(EventKind::Front, m_front);
    return 0;
}

int SimDesktop::PostCommandKeyEvent(bool down) {
    const QString name = down ? kCommandDown : kCommandUp;
    record(EventKind::Key, name);
    m_keySequence.push_back(name);
    // The copy command is Command down, C down, C up, Command up, and nothing in between.
    const std::vector<QString> copy = {kCommandDown, keyName(QStringLiteral("C"), 8, true),
                                       keyName(QStringLiteral("C"), 8, false), kCommandUp};
    if (!down && m_keySequence.size() >= 4 &&
        std::equal(copy.begin(), copy.end(), m_keySequence.end() - 4)) {
        copyFrom(m_front);
    }
    if (!down)
        m_keySequence.clear();
    return 0;
}

int SimDesktop::PostKeyEvent(const QString& key, int keyCode, bool down) {
    if (keyCode != 8 && keyCode != 123)
        return -1;
    const QString name = keyName(key.toUpper(), keyCode, down);
    record(EventKind::Key, name);
    m_keySequence.push_back(name);
    return 0;
}

void SimDesktop::copyFrom(const QString& creator) {
    App* a = app(creator);
    if (!a || (a->selection.isEmpty() && a->selectedPicture.isNull()))
        return; // copying nothing leaves the Clipboard alone, as editors do
    const auto selection = a->selection;
    const QImage picture = a->selectedPicture;
    auto put = [selection, picture] {
        auto* data = new QMimeData;
        for (auto it = selection.begin(); it != selection.end(); ++it)
            data->setData(it.key(), it.value());
        if (!picture.isNull())
            data->setImageData(picture);
        // Another application's copy: the Clipboard is no longer ours.
        QGuiApplication::clipboard()->setMimeData(data);
    };
    if (a->copyDelayMs > 0)
        Clock::current().schedule(a->copyDelayMs, put);
    else
        put();
}

void SimDesktop::copyAddressBar() {
    for (const char* key : {"Ctrl+L", "Ctrl+C", "Escape"})
        record(EventKind::Key, QString::fromLatin1(key));
    App* a = app(m_front);
    if (a && !a->addressBar.isEmpty()) {
        auto* data = new QMimeData;
        data->setText(a->addressBar);
        QGuiApplication::clipboard()->setMimeData(data);
    }
}

void SimDesktop::beep() {
    record(EventKind::Beep, QString());
}

void SimDesktop::presentMessage(const QString& text) {
    record(EventKind::Message, text);
}

int SimDesktop::print(const QTextDocument& document, const PageSetup& setup) {
    if (m_whilePrinting)
        std::exchange(m_whilePrinting, {})();
    int code = 0;
    if (!m_printResults.empty()) {
        code = m_printResults.front();
        m_printResults.pop_front();
    }
    PrintedDocument doc = describe(document);
    doc.code = code;
    doc.layout = setup.layout;
    doc.pageCount = Printing::pageCount(document, setup.layout);
    m_prints.push_back(std::move(doc));
    record(EventKind::Print, QString::number(code));
    return code;
}

int SimDesktop::pageSetup(PageSetup& setup) {
    int code = 0;
    if (!m_pageSetupResults.empty()) {
        code = m_pageSetupResults.front();
        m_pageSetupResults.pop_front();
    }
    if (code == 0 && m_pageSetupChoice)
        setup.layout = *m_pageSetupChoice;
    record(EventKind::PageSetup, QString::number(code));
    return code;
}

void SimDesktop::answerDialog(const QString& objectName, std::function<void(QDialog&)> answer) {
    m_dialogAnswers[objectName] = std::move(answer);
}

void SimDesktop::runModal(QDialog& dialog) {
    record(EventKind::Dialog, dialog.objectName());
    auto it = m_dialogAnswers.find(dialog.objectName());
    if (it != m_dialogAnswers.end())
        it->second(dialog);
    else
        dialog.reject();
}

QStringList SimDesktop::messages() const {
    QStringList out;
    for (const Event& e : m_events)
        if (e.kind == EventKind::Message)
            out << e.text;
    return out;
}

int SimDesktop::beeps() const {
    return int(std::count_if(m_events.begin(), m_events.end(),
                             [](const Event& e) { return e.kind == EventKind::Beep; }));
}

QStringList SimDesktop::postedKeys() const {
    QStringList out;
    for (const Event& e : m_events)
        if (e.kind == EventKind::Key)
            out << e.text;
    return out;
}

void SimDesktop::clearRecord() {
    m_events.clear();
    m_prints.clear();
}

SimDesktop::PrintedDocument SimDesktop::describe(const QTextDocument& document) {
    PrintedDocument out;
    QString text = document.toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    out.text = text;
    const QFont base = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const QVariant res = document.resource(QTextDocument::ImageResource,
                                                       QUrl(format.toImageFormat().name()));
                out.pictures.push_back(qvariant_cast<QImage>(res));
            }
            const QFont font = format.font().resolve(base);
            StyleRun run;
            run.start = fragment.position();
            run.length = fragment.length();
            run.family = font.family();
            run.pointSize = font.pointSizeF();
            run.bold = font.bold();
            run.italic = font.italic();
            run.underline = font.underline();
            run.color = format.foreground().style() == Qt::NoBrush ? QColor(Qt::black)
                                                                   : format.foreground().color();
            out.runs.push_back(run);
        }
    }
    return out;
}

SimDesktop& simDesktop() {
    return static_cast<SimDesktop&>(desktop());
}
