#include "ContentSnapshot.h"

#include <QTextBlock>
#include <QTextFragment>

ContentSnapshot::ContentSnapshot(const QTextDocument& document)
    : m_text(document.toPlainText()), m_runs(runsOf(document)) {}

std::vector<ContentSnapshot::Run> ContentSnapshot::runsOf(const QTextDocument& document) {
    std::vector<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            // Neighbouring runs of one style count as one, however the edits split them.
            if (!runs.empty() && runs.back().format == f.charFormat())
                runs.back().text += f.text();
            else
                runs.push_back({f.text(), f.charFormat()});
        }
        if (!runs.empty())
            runs.back().text += QChar::ParagraphSeparator;
    }
    return runs;
}

bool ContentSnapshot::matches(const QTextDocument& document) const {
    // The text decides most cases at once; the runs only when the characters are the same.
    if (document.toPlainText() != m_text)
        return false;
    const std::vector<Run> now = runsOf(document);
    if (now.size() != m_runs.size())
        return false;
    for (size_t i = 0; i < now.size(); ++i) {
        if (now[i].text != m_runs[i].text || !(now[i].format == m_runs[i].format))
            return false;
    }
    return true;
}
