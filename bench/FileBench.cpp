// SaveFile and LoadFile of a field with about 2 MB of styled text and pictures, whole and in
// the parts they are made of, so the report can say which part dominates.

#include "BenchDocument.h"
#include "BenchSupport.h"

#include "platform/Files.h"
#include "platform/StyledHtml.h"
#include "platform/WASTEfield.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// The field, its saved file and the pieces the part benchmarks start from. Built once and never
// deleted: a widget must not be destroyed after the QApplication that main() owns.
struct SavedField {
    WASTEfield field{QStringLiteral("bench"), QStringLiteral("DejaVu Sans"), 12};
    QString path = BenchSupport::scratchPath(QStringLiteral("field.html"));
    QByteArray bytes;
    QString html;
    std::vector<QImage> pictures;
    std::vector<QByteArray> pngBase64;

    SavedField() {
        BenchDocument::fillField(*field.document());
        field.SaveFile(path);
        bytes = *Files::readAll(path, WASTEfield::kMaxFileBytes);
        html = QString::fromUtf8(bytes);
        for (int i = 0; i < BenchDocument::kFieldPictures; ++i) {
            pictures.push_back(BenchDocument::picture(i));
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            pictures.back().save(&buffer, "PNG");
            pngBase64.push_back(png.toBase64());
        }
    }
};

SavedField& saved() {
    static auto* s = new SavedField;
    return *s;
}

void setFileCounters(benchmark::State& state, qint64 bytes) {
    state.SetBytesProcessed(qint64(state.iterations()) * bytes);
    state.counters["file_MB"] = double(bytes) / 1e6;
}

// Saving again a field that was saved before, so its pictures' embedded forms are kept.
void BM_SaveFile(benchmark::State& state) {
    SavedField& s = saved();
    const QString path = BenchSupport::scratchPath(QStringLiteral("saved.html"));
    for (auto _ : state) {
        if (!s.field.SaveFile(path)) {
            state.SkipWithError("SaveFile failed");
            break;
        }
    }
    setFileCounters(state, s.bytes.size());
}

// A save that finds none of the pictures' embedded forms kept, as the first save after the
// pictures were pasted in: each is encoded to PNG again.
void BM_SaveFile_NothingKept(benchmark::State& state) {
    SavedField& s = saved();
    const QString path = BenchSupport::scratchPath(QStringLiteral("saved.html"));
    for (auto _ : state) {
        state.PauseTiming();
        StyledHtml::setEmbeddedPictureLimit(0);
        StyledHtml::setEmbeddedPictureLimit(StyledHtml::kEmbeddedPictureLimit);
        state.ResumeTiming();
        if (!s.field.SaveFile(path)) {
            state.SkipWithError("SaveFile failed");
            break;
        }
    }
    setFileCounters(state, s.bytes.size());
}

void BM_LoadFile(benchmark::State& state) {
    SavedField& s = saved();
    WASTEfield field(QStringLiteral("loaded"), QStringLiteral("DejaVu Sans"), 12);
    for (auto _ : state) {
        // Emptying also drops the previous load's pictures, so each load starts as a fresh one.
        state.PauseTiming();
        field.SetText(QString());
        state.ResumeTiming();
        if (!field.LoadFile(s.path, 0, 0)) {
            state.SkipWithError("LoadFile failed");
            break;
        }
    }
    setFileCounters(state, s.bytes.size());
    state.counters["characters"] = field.GetTextLength();
}

// Parts of SaveFile.

void BM_Save_DocumentToHtml(benchmark::State& state) {
    const QTextDocument& document = *saved().field.document();
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toHtml());
}

// The argument is the PNG quality given to QImage::save; -1, Qt's default, is what the field
// uses. The others show what a faster zlib level would save and cost in file size.
void BM_Save_EncodePictures(benchmark::State& state) {
    const SavedField& s = saved();
    const int quality = int(state.range(0));
    qint64 pngBytes = 0;
    for (auto _ : state) {
        pngBytes = 0;
        for (const QImage& picture : s.pictures) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG", quality);
            pngBytes += png.size();
            benchmark::DoNotOptimize(png.toBase64());
        }
    }
    state.counters["pictures"] = double(s.pictures.size());
    state.counters["png_KB_each"] = double(pngBytes) / 1e3 / double(s.pictures.size());
    if (quality < 0)
        state.SetLabel("as the field saves");
}

void BM_Save_FromDocument(benchmark::State& state) {
    const QTextDocument& document = *saved().field.document();
    for (auto _ : state)
        benchmark::DoNotOptimize(StyledHtml::fromDocument(document));
}

void BM_Save_ToUtf8(benchmark::State& state) {
    const QString& html = saved().html;
    for (auto _ : state)
        benchmark::DoNotOptimize(html.toUtf8());
}

void BM_Save_WriteFile(benchmark::State& state) {
    const SavedField& s = saved();
    const QString path = BenchSupport::scratchPath(QStringLiteral("written.html"));
    for (auto _ : state) {
        if (!Files::writeAll(path, s.bytes)) {
            state.SkipWithError("writeAll failed");
            break;
        }
    }
    setFileCounters(state, s.bytes.size());
}

// Parts of LoadFile.

void BM_Load_ReadAndCheck(benchmark::State& state) {
    const SavedField& s = saved();
    for (auto _ : state) {
        const auto bytes = Files::readAll(s.path, WASTEfield::kMaxFileBytes);
        QString html;
        if (!bytes || !StyledHtml::isWholeDocument(*bytes, &html)) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(html);
    }
    setFileCounters(state, s.bytes.size());
}

void BM_Load_DecodePictures(benchmark::State& state) {
    const SavedField& s = saved();
    for (auto _ : state) {
        for (const QByteArray& base64 : s.pngBase64) {
            QBuffer buffer;
            buffer.setData(QByteArray::fromBase64(base64));
            QImageReader reader(&buffer);
            benchmark::DoNotOptimize(reader.size());
            benchmark::DoNotOptimize(reader.read());
        }
    }
    state.counters["pictures"] = double(s.pngBase64.size());
}

void BM_Load_ToFragment(benchmark::State& state) {
    const SavedField& s = saved();
    for (auto _ : state) {
        // A fresh target each time: every call adds the pictures to it as new resources.
        state.PauseTiming();
        auto target = std::make_unique<SafeTextDocument>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(StyledHtml::toFragment(s.html, *target));
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
}

// The HTML parse alone: the file's text with its pictures already resources of the target.
void BM_Load_ParseHtml(benchmark::State& state) {
    SavedField& s = saved();
    const QString html = s.field.document()->toHtml();
    for (auto _ : state)
        benchmark::DoNotOptimize(QTextDocumentFragment::fromHtml(html, s.field.document()));
}

void BM_Load_InsertFragment(benchmark::State& state) {
    SavedField& s = saved();
    const QTextDocumentFragment fragment(s.field.document());
    WASTEfield field(QStringLiteral("inserted"), QStringLiteral("DejaVu Sans"), 12);
    for (auto _ : state) {
        state.PauseTiming();
        field.SetText(QString());
        state.ResumeTiming();
        QTextCursor c(field.document());
        c.insertFragment(fragment);
    }
}

#define FILE_BENCHMARK(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)->UseRealTime()

FILE_BENCHMARK(BM_SaveFile);
FILE_BENCHMARK(BM_SaveFile_NothingKept);
FILE_BENCHMARK(BM_LoadFile);
FILE_BENCHMARK(BM_Save_DocumentToHtml);
FILE_BENCHMARK(BM_Save_EncodePictures)->Arg(-1)->Arg(50)->Arg(80);
FILE_BENCHMARK(BM_Save_FromDocument);
FILE_BENCHMARK(BM_Save_ToUtf8);
FILE_BENCHMARK(BM_Save_WriteFile);
FILE_BENCHMARK(BM_Load_ReadAndCheck);
FILE_BENCHMARK(BM_Load_DecodePictures);
FILE_BENCHMARK(BM_Load_ToFragment);
FILE_BENCHMARK(BM_Load_ParseHtml);
FILE_BENCHMARK(BM_Load_InsertFragment);

} // namespace
