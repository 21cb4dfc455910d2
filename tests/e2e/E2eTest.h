#pragma once

#include "PrivateDesktop.h"

#include <QRect>
#include <QSet>
#include <QSize>
#include <gtest/gtest.h>
#include <string>

// A peer editor from the distribution.
struct Editor {
    std::string name;  // the test case's name
    QString program;   // run without arguments: it opens one empty document
    QString className; // its WM_CLASS instance name
};

extern const Editor kMousepad;
extern const Editor kFeatherpad;

// The palette's controls, in its client area, as the user sees them.
namespace PaletteControls {
inline const QRect NoStamp(3, 81, 69, 20);
inline const QRect PrinterIcon(137, 7, 36, 38);
inline const QRect PrinterIconOfDesktopPrinter(0, 1, 36, 38);
inline const QSize FullDisplay(176, 374);
inline const QSize DesktopPrinter(36, 38);
} // namespace PaletteControls

// A fresh private desktop for each test with the editor active and Vellora's palette beside
// it. Skips when a tool is missing. After a failure it leaves a picture of the screen and
// Vellora's output in the artifacts folder.
class E2eTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The editor the test works in.
    virtual const Editor& editor() const { return kMousepad; }

    // Types text into the editor and checks that the document holds exactly that.
    void typeIntoEditor(const QString& text);
    // Returns the editor's whole document as its own select-all and copy give it. This
    // selects everything and leaves the document on the Clipboard.
    QString editorText();
    bool editorIsActive() const { return desk.activeWindow() == editorWindow; }

    // Clicks the middle of a palette control, given in the palette's client area.
    void clickPalette(const QRect& control);
    // Returns the palette's client area on the screen.
    QRect paletteGeometry() const { return desk.clientGeometry(paletteWindow); }

    // Waits until Vellora's Print dialog is the active window; returns it, or 0.
    PrivateDesktop::WindowId waitForActivePrintDialog();
    // The PDF files in the user's documents folder.
    QSet<QString> pdfFiles() const;
    // Waits for a finished PDF that is not among before; returns its text (pages end in
    // form feeds), or a null text when none came.
    QString waitForNewPdfText(const QSet<QString>& before);

private:
    void startEditor();
    void startVellora();

protected:
    // The screen around the editor and the palette, their frames included.
    QRect editorAndPaletteArea() const;
    // A file in the artifacts folder of the build.
    static QString artifact(const QString& name);

    PrivateDesktop desk;
    PrivateDesktop::WindowId editorWindow = 0;
    PrivateDesktop::WindowId paletteWindow = 0;
    QProcess* vellora = nullptr;
};

// Shows texts in test messages as text, not as a list of characters.
void PrintTo(const QString& text, std::ostream* os);

// The lines of a text without trailing blanks, form feeds and empty lines.
QStringList linesOf(const QString& text);
