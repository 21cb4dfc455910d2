// Save to PrintBoard and opening the PrintBoard window, the two operations that load the whole
// board, on boards of 10, 1000 and 10000 entries, to show how they grow with the board.

#include "BenchDocument.h"
#include "BenchSupport.h"

#include "app/Startup.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/StyledHtml.h"
#include "platform/WASTEfield.h"
#include "platform/sim/SimDesktop.h"
#include "printboard/PrintBoardWindow.h"
#include "printboard/SaveToPrintBoard.h"
#include "printboard/WASTEclass.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <benchmark/benchmark.h>
#include <map>

namespace {

// The application on the simulated desktop with the manual clock, started once, in the scratch
// folder that the file benchmarks use too.
Vellora1& application() {
    static Vellora1* main = [] {
        QDir().mkpath(BenchSupport::scratchPath(QStringLiteral("Vellora Resources")));
        Clock::install(new ManualClock);
        installDesktop(std::make_unique<SimDesktop>());
        startVellora();
        simDesktop().addApp(QStringLiteral("mousepad"));
        simDesktop().setFront(QStringLiteral("mousepad"));
        return &Vellora1::instance();
    }();
    return *main;
}

void putOnClipboard(const BenchDocument::BoardEntry& entry) {
    if (!entry.picture.isNull()) {
        Clipboard::setPicture(entry.picture);
    } else if (!entry.html.isEmpty()) {
        auto* data = new QMimeData;
        data->setText(entry.text);
        data->setHtml(entry.html);
        Clipboard::setMimeData(data);
    } else {
        Clipboard::setText(entry.text);
    }
}

struct Board {
    QString path;
    qint64 bytes = 0;
};

// A board file of entries, built once per size. Save to PrintBoard loads and saves the whole
// board at every entry, so building a big board that way would take hours; this appends each
// entry as it does (the material and " \r\r" through its hidden field, copied as styled text,
// pasted at the end of the board) and saves the board once.
const Board& board(int entries) {
    static std::map<int, Board> boards;
    Board& b = boards[entries];
    if (!b.path.isEmpty())
        return b;
    Vellora1& w = application();
    WASTEfield& field = *w.NewEditfield3;
    field.SetText(QString());
    for (int i = 0; i < entries; ++i) {
        putOnClipboard(BenchDocument::boardEntry(i));
        w.EditField2->SetText(QString());
        w.EditField2->Paste();
        Clipboard::setText(QStringLiteral(" \r\r"));
        w.EditField2->Paste();
        w.EditField2->SelectAll();
        w.EditField2->Copy();
        field.Paste();
    }
    b.path = BenchSupport::scratchPath(QStringLiteral("board-%1.html").arg(entries));
    if (!field.SaveFile(b.path))
        qFatal("cannot write the benchmark board");
    field.SetText(QString());
    w.EditField2->SetText(QString());
    b.bytes = QFileInfo(b.path).size();
    return b;
}

// Puts the benchmark board of entries in place as the user's PrintBoard.
bool installBoard(const Board& b) {
    const QString target = Files::resolve(Settings::PrintBoard);
    QFile::remove(target);
    return QFile::copy(b.path, target);
}

void setBoardCounters(benchmark::State& state, int entries, const Board& b) {
    state.counters["entries"] = entries;
    state.counters["pictures"] = BenchDocument::boardPictures(entries);
    state.counters["file_MB"] = double(b.bytes) / 1e6;
}

// The second argument is what is saved: 0 text, 1 a picture of 300 x 200.
void BM_SaveToPrintBoard(benchmark::State& state) {
    const int entries = int(state.range(0));
    const Board& b = board(entries);
    // An entry past the board's, so its picture is not one the board already holds.
    const int next = state.range(1) ? BenchDocument::kBoardPictureEvery * 1000 + 9 : 1;
    const BenchDocument::BoardEntry material = BenchDocument::boardEntry(next);
    SimDesktop& sim = simDesktop();
    // One run first, untimed: the hidden field then holds a board of this size, as it does from
    // one run to the next, and each run starts by emptying it.
    if (!installBoard(b)) {
        state.SkipWithError("cannot put the board in place");
        return;
    }
    putOnClipboard(material);
    SaveToPrintBoard::run();
    qint64 saved = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!installBoard(b)) {
            state.SkipWithError("cannot put the board in place");
            break;
        }
        putOnClipboard(material);
        sim.clearRecord();
        state.ResumeTiming();
        SaveToPrintBoard::run();
        state.PauseTiming();
        saved = QFileInfo(Files::resolve(Settings::PrintBoard)).size();
        if (!sim.messages().isEmpty() || saved <= b.bytes) {
            state.SkipWithError("Save to PrintBoard did not add to the board");
            break;
        }
        state.ResumeTiming();
    }
    setBoardCounters(state, entries, b);
    state.counters["saved_MB"] = double(saved) / 1e6;
    // What the board's pictures' embedded forms take while the hidden field holds the board.
    state.counters["kept_MB"] = double(StyledHtml::embeddedPictureBytes()) / 1e6;
    state.SetLabel(state.range(1) ? "a picture" : "text");
}

void BM_OpenPrintBoard(benchmark::State& state) {
    const int entries = int(state.range(0));
    const Board& b = board(entries);
    if (!installBoard(b)) {
        state.SkipWithError("cannot put the board in place");
        return;
    }
    // Whatever board the benchmarks before left in Save to PrintBoard's hidden field goes.
    application().NewEditfield3->SetText(QString());
    int length = 0;
    for (auto _ : state) {
        PrintBoardWindow& window = PrintBoardWindow::instance();
        length = window.PrintBoardEditField1->GetTextLength();
        // The board is as loaded, so closing asks nothing; the window goes at the next deletion.
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (PrintBoardWindow::existing()) {
            state.SkipWithError("the PrintBoard window did not close");
            break;
        }
    }
    setBoardCounters(state, entries, b);
    state.counters["characters"] = length;
}

BENCHMARK(BM_SaveToPrintBoard)
    ->Args({10, 0})
    ->Args({10, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_OpenPrintBoard)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
