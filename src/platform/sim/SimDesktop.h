#pragma once

#include "../Desktop.h"
#include "../Printing.h"

#include <QColor>
#include <QImage>
#include <QMap>
#include <QPageLayout>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// A model of a desktop for the tests: applications with creator codes and selections, one of
// them in front, a copy command that copies only when its four key events arrive in order,
// optional copy delays, and a record of every key, beep, message, dialog and printed document.
class SimDesktop final : public Desktop {
public:
    struct App {
        QString creator;
        QMap<QString, QByteArray> selection; // the formats its copy command puts on the Clipboard
        QImage selectedPicture;              // a picture it copies as a picture
        int copyDelayMs = 0;                 // how long its copy takes
        QString addressBar;                  // a browser's page address, copied by Ctrl+L, Ctrl+C
    };

    struct StyleRun {
        int start = 0;
        int length = 0;
        QString family;
        qreal pointSize = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        QColor color;
    };

    struct PrintedDocument {
        int code = 0;
        QString text; // CR line breaks, a picture as U+FFFC
        std::vector<QImage> pictures;
        std::vector<StyleRun> runs;
        QPageLayout layout;
        int pageCount = 0;
    };

    enum class EventKind { Beep, Message, Front, Key, Print, PageSetup, Dialog };
    struct Event {
        EventKind kind;
        QString text;
    };

    SimDesktop();

    // Desktop
    QString GetFrontProcessCreator() override;
    int SetProcessWithCreatorFront(const QString& creator) override;
    int BringProcessFront() override;
    int PostCommandKeyEvent(bool down) override;
    int PostKeyEvent(const QString& key, int keyCode, bool down) override;
    void beep() override;
    int print(const QTextDocument& document, const PageSetup& setup) override;
    int pageSetup(PageSetup& setup) override;
    void runModal(QDialog& dialog) override;
    QSize screenSize() const override { return m_screen; }
    bool commandKeyDown() const override { return m_command; }
    bool optionKeyDown() const override { return m_option; }

    // The model
    App& addApp(const QString& creator);
    App* app(const QString& creator);
    void setFront(const QString& creator) { m_front = creator; }
    // The application selects text (plain, and HTML when given) for its next copy.
    void selectText(const QString& creator, const QString& text, const QString& html = {});
    void setScreenSize(QSize size) { m_screen = size; }
    void setCommandKey(bool down) { m_command = down; }
    void setOptionKey(bool down) { m_option = down; }

    // Scripts: the next Print / Page Setup results (0 when nothing is scripted), the page layout
    // a confirmed Page Setup chooses, and how a named dialog is answered.
    void scriptPrintResult(int code) { m_printResults.push_back(code); }
    void scriptPageSetupResult(int code) { m_pageSetupResults.push_back(code); }
    void setPageSetupChoice(const QPageLayout& layout) { m_pageSetupChoice = layout; }
    void answerDialog(const QString& objectName, std::function<void(QDialog&)> answer);
    // What the user does while the next Print dialog is up.
    void whilePrinting(std::function<void()> action) { m_whilePrinting = std::move(action); }

    // The record
    const std::vector<Event>& events() const { return m_events; }
    QStringList messages() const;
    int beeps() const;
    QStringList postedKeys() const;
    const std::vector<PrintedDocument>& prints() const { return m_prints; }
    void clearRecord();

    static PrintedDocument describe(const QTextDocument& document);

protected:
    void presentMessage(const QString& text) override;
    void copyAddressBar() override;

private:
    void record(EventKind kind, const QString& text) { m_events.push_back({kind, text}); }
    void copyFrom(const QString& creator);

    std::map<QString, App> m_apps;
    QString m_front;
    QSize m_screen{1440, 900};
    bool m_command = false;
    bool m_option = false;
    std::vector<QString> m_keySequence;
    std::deque<int> m_printResults;
    std::deque<int> m_pageSetupResults;
    std::optional<QPageLayout> m_pageSetupChoice;
    std::map<QString, std::function<void(QDialog&)>> m_dialogAnswers;
    std::function<void()> m_whilePrinting;
    std::vector<Event> m_events;
    std::vector<PrintedDocument> m_prints;
};

// Returns the installed desktop as the simulated one; only for tests that installed it.
SimDesktop& simDesktop();
