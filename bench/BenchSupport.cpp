#include "BenchSupport.h"

#include "platform/Files.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace BenchSupport {

void prepareEnvironment() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString scratchPath(const QString& name) {
    static QTemporaryDir folder;
    static const bool once = [] {
        Files::setApplicationFolder(folder.path());
        return true;
    }();
    Q_UNUSED(once);
    return folder.filePath(name);
}

long peakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long currentRssKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

long heapInUseKiB() {
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
}

} // namespace BenchSupport
