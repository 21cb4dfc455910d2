#pragma once

#include <QString>

// The setting every benchmark program runs in: Qt's offscreen platform, a fixed locale (so the
// paper is always Letter) and a scratch folder that is removed at exit.
namespace BenchSupport {

// Sets the environment that must be in place before the QApplication is created.
void prepareEnvironment();

// Returns the absolute path of name inside the scratch folder, creating the folder on first use;
// the folder also becomes the application's folder.
QString scratchPath(const QString& name);

// Returns the process's highest resident set size so far, in KiB.
long peakRssKiB();

// Returns the process's resident set size now, in KiB, or -1 when /proc cannot be read.
long currentRssKiB();

// Returns the bytes malloc has handed out and not had back, in KiB: what the program holds,
// without the free memory the allocator keeps for later.
long heapInUseKiB();

} // namespace BenchSupport
