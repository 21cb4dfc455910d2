// Measures the memory LoadFile takes, in a process of its own so that the high-water mark
// (getrusage max RSS) belongs to the load and not to building or saving the document.
//
//   vellora_load_memory write FILE        builds the benchmark field and saves it to FILE
//   vellora_load_memory load FILE [N]     loads FILE into a field N times (default 1), each
//                                         load replacing the whole content, as a user would

#include "BenchDocument.h"
#include "BenchSupport.h"

#include "platform/StyledHtml.h"
#include "platform/WASTEfield.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextImageFormat>
#include <cstdio>

namespace {

double mib(long kib) {
    return double(kib) / 1024.0;
}

int write(const QString& path) {
    WASTEfield field(QStringLiteral("bench"), QStringLiteral("DejaVu Sans"), 12);
    BenchDocument::fillField(*field.document());
    if (!field.SaveFile(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("file_MB %.2f\n", double(QFileInfo(path).size()) / 1e6);
    return 0;
}

// Fonts, the PNG reader and the text layout are loaded once per process; a small load first
// keeps them out of the figures.
void warmUp() {
    WASTEfield small(QStringLiteral("small"), QStringLiteral("DejaVu Sans"), 12);
    QTextCursor c(small.document());
    c.insertText(QStringLiteral("Warm-up text"));
    QTextImageFormat f;
    f.setName(StyledHtml::addPicture(*small.document(), BenchDocument::picture(0)));
    c.insertImage(f);
    const QString path = BenchSupport::scratchPath(QStringLiteral("small.html"));
    small.SaveFile(path);
    WASTEfield loaded(QStringLiteral("loaded"), QStringLiteral("DejaVu Sans"), 12);
    loaded.LoadFile(path, 0, 0);
}

// Peaks are of the resident set (getrusage), above the resident set before the first load.
// What a field keeps is counted in malloc's bytes in use, which the allocator's own free lists
// and fragmentation do not blur.
int load(const QString& path, int times) {
    warmUp();
    WASTEfield field(QStringLiteral("field"), QStringLiteral("DejaVu Sans"), 12);
    const long rssBase = BenchSupport::currentRssKiB();
    const long heapBase = BenchSupport::heapInUseKiB();
    const long peakBefore = BenchSupport::peakRssKiB();
    std::printf("baseline_rss_MiB %.1f\n", mib(rssBase));
    for (int i = 1; i <= times; ++i) {
        if (!field.LoadFile(path, 0, field.GetTextLength())) {
            std::fprintf(stderr, "cannot load %s\n", qPrintable(path));
            return 1;
        }
        if (i == 1) {
            const long peak = BenchSupport::peakRssKiB();
            std::printf("load_peak_delta_MiB %.1f\n", mib(peak - rssBase));
            if (peak <= peakBefore)
                std::printf("note: the warm-up peak was higher; the peak delta is a lower bound\n");
            std::printf("load_kept_MiB %.1f\n", mib(BenchSupport::heapInUseKiB() - heapBase));
        }
    }
    if (times > 1) {
        std::printf("after_%d_loads_peak_delta_MiB %.1f\n", times,
                    mib(BenchSupport::peakRssKiB() - rssBase));
        std::printf("after_%d_loads_kept_MiB %.1f\n", times,
                    mib(BenchSupport::heapInUseKiB() - heapBase));
        // Emptying the field drops every picture its document holds, the earlier loads' too.
        field.SetText(QString());
        std::printf("after_%d_loads_emptied_kept_MiB %.1f\n", times,
                    mib(BenchSupport::heapInUseKiB() - heapBase));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    BenchSupport::prepareEnvironment();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("write"))
        return write(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("load"))
        return load(args[2], args.size() >= 4 ? std::max(1, args[3].toInt()) : 1);
    std::fprintf(stderr, "usage: vellora_load_memory write FILE | load FILE [TIMES]\n");
    return 2;
}
