#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextDocument>
#include <vector>

// What a document holds (its characters and the style of every run, pictures included), to
// tell later whether it changed: an edit that is undone by hand leaves it equal again.
class ContentSnapshot final {
public:
    ContentSnapshot() = default;
    explicit ContentSnapshot(const QTextDocument& document);

    // Returns whether document holds exactly what it held when the snapshot was taken.
    bool matches(const QTextDocument& document) const;

private:
    struct Run {
        QString text;
        QTextCharFormat format;
    };
    static std::vector<Run> runsOf(const QTextDocument& document);

    QString m_text;
    std::vector<Run> m_runs;
};
