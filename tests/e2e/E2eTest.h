#pragma once

#include "PrivateDesktop.h"

#include <QDateTime>
#include <QPoint>
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
// A web browser; its "document" is a local page written by BrowserE2eTest.
extern const Editor kChromium;

// The palette's controls, in its client area, as the user sees them.
namespace PaletteControls {
inline const QRect NoStamp(3, 81, 69, 20);
inline const QRect DateStamp(79, 81, 94, 20);
inline const QRect DateNote(45, 109, 88, 20);
inline const QRect SaveToPrintBoard(30, 212, 116, 20);
inline const QRect OpenPrintBoard(33, 277, 110, 20);
inline const QRect Preferences(45, 314, 88, 20);
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

    // The editor the test works in, and what it is started with.
    virtual const Editor& editor() const { return kMousepad; }
    virtual QStringList editorArguments() const { return {}; }
    // Called once the private desktop runs, before the editor starts.
    virtual void prepareHome() {}
    // Called with the copied bundle's resources folder, before Vellora starts.
    virtual void prepareResources(const QString& /*folder*/) {}

    // Types text into the editor and checks that the document holds exactly that.
    void typeIntoEditor(const QString& text);
    // Returns the editor's whole document as its own select-all and copy give it. This
    // selects everything and leaves the document on the Clipboard.
    QString editorText() { return wholeTextOf(editorWindow); }
    // The same for any window that takes the two keys.
    QString wholeTextOf(PrivateDesktop::WindowId window);
    bool editorIsActive() const { return desk.activeWindow() == editorWindow; }

    // Clicks the middle of a palette control, given in the palette's client area.
    void clickPalette(const QRect& control);
    // The middle of a palette control, given in the palette's client area, on the screen.
    QPoint onPalette(const QRect& control) const;
    // Returns the palette's client area on the screen.
    QRect paletteGeometry() const { return desk.clientGeometry(paletteWindow); }

    // Waits until Vellora's Print dialog is the active window; returns it, or 0.
    PrivateDesktop::WindowId waitForActivePrintDialog();
    // Waits for the Print dialog, prints with its Return and returns the new PDF's page lines
    // (see pageLinesOf); fails the test when no dialog or no PDF came.
    QStringList printThroughTheDialog(const QSet<QString>& before);
    // Checks that the job gave the user's Clipboard back and made the editor active again.
    void expectGivenBack(const QString& usersClipboard);
    // Checks only that the user's Clipboard came back.
    void expectClipboardBack(const QString& usersClipboard);
    // Waits until Vellora shows a window with this title; returns it, or 0.
    PrivateDesktop::WindowId waitForVelloraWindow(const QString& title);
    // The PDF files in the user's documents folder.
    QSet<QString> pdfFiles() const;
    // Waits for a finished PDF that is not among before; returns its text as laid out on the
    // page, blank lines kept, ligatures spelt out (pages end in form feeds), or a null text
    // when none came.
    QString waitForNewPdfText(const QSet<QString>& before);
    // The resources folder of the bundle Vellora runs from.
    QString resourcesFolder() const;

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
// The lines of a page's text without trailing blanks and form feeds; empty lines between
// others are kept, those at the end are not.
QStringList pageLinesOf(const QString& text);

// Chromium showing one local page of large text, so that a drag can start on it.
class BrowserE2eTest : public E2eTest {
protected:
    const Editor& editor() const override { return kChromium; }
    QStringList editorArguments() const override;
    void prepareHome() override;

    // The page's address as the browser names it, and its whole text.
    QString pageAddress() const;
    static const QString kPageText;
    // The size of the page's text: large, so that a drag can start on it.
    virtual int pageFontPixels() const { return 40; }
    // A point on the page's text, in the browser's client area.
    static QPoint pageTextPoint() { return QPoint(120, 142); }
};

// The separator under every stamped selection.
inline const QString kStampSeparator =
    QStringLiteral("---------------------------Selection--------------------------");
// Reads a stamp's date line, such as "Friday, 11 December 2026  18:48:17"; returns an invalid
// moment when the line is not one.
QDateTime stampMoment(const QString& line);
