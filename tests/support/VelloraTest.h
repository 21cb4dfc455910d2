#pragma once

#include "app/Vellora1.h"
#include "platform/Clock.h"
#include "platform/sim/SimDesktop.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

// A fresh run of the application on the simulated desktop with the manual clock, in a
// temporary application folder that holds an empty "Vellora Resources".
class VelloraTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    SimDesktop& sim() { return simDesktop(); }
    Vellora1& main() { return Vellora1::instance(); }
    QString folder() const { return m_folder.path(); }
    QString resources() const { return m_folder.path() + QStringLiteral("/Vellora Resources"); }

    // Runs the clock until nothing is left to run.
    void settle() { clock.runUntilIdle(); }

    // The user works in an editor with creator code "mousepad" that has this selection.
    void editorSelects(const QString& text, const QString& html = {});

    ManualClock clock;

private:
    QTemporaryDir m_folder;
};

// Every format of a Clipboard, byte for byte, to compare a Clipboard before and after.
using Formats = std::map<QString, QByteArray>;
Formats formatsOf(const QMimeData& data);
Formats clipboardFormats();

// A Clipboard as a user leaves it after copying in a file manager-like program: plain text,
// HTML, a picture, a file list and a program's own format.
QMimeData* richUserClipboard();

// A small picture of one colour.
QImage picture(int width, int height, QColor color);

// Shows texts as text in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
