// Printing::render of plain styled text to a PDF file, the way Print renders a field once the
// dialog is accepted, and the layout alone that it starts with.

#include "BenchDocument.h"
#include "BenchSupport.h"

#include "platform/Printing.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// Documents by page count, built once (each build lays out many times) and never deleted, as
// they must not outlive the QApplication.
const QTextDocument& printable(int pages) {
    static auto* documents = new std::map<int, std::unique_ptr<QTextDocument>>;
    auto& document = (*documents)[pages];
    if (!document)
        document = BenchDocument::printable(pages);
    return *document;
}

void setPageCounters(benchmark::State& state, int pages) {
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] =
        benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_PrintToPdf(benchmark::State& state) {
    const int pages = int(state.range(0));
    const QTextDocument& document = printable(pages);
    const QString path = BenchSupport::scratchPath(QStringLiteral("printed.pdf"));
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setPageLayout(PageSetup::defaultLayout());
        if (!Printing::render(document, writer)) {
            state.SkipWithError("render failed");
            break;
        }
    }
    setPageCounters(state, pages);
    state.counters["pdf_MB"] = double(QFileInfo(path).size()) / 1e6;
}

void BM_PrintLayout(benchmark::State& state) {
    const int pages = int(state.range(0));
    const QTextDocument& document = printable(pages);
    const QPageLayout layout = PageSetup::defaultLayout();
    for (auto _ : state) {
        if (Printing::pageCount(document, layout) != pages) {
            state.SkipWithError("unexpected page count");
            break;
        }
    }
    setPageCounters(state, pages);
}

// 100 pages is the case reported; 25 and 400 show whether the cost per page stays flat.
BENCHMARK(BM_PrintToPdf)->Arg(25)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PrintLayout)
    ->Arg(25)
    ->Arg(100)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
