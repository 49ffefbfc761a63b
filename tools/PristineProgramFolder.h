#pragma once
// A program folder as the installation delivers it, for tests and benchmarks: the delivered files
// of the source tree's data/, the files the build makes (empty database, pictures, guides) and the
// program. The assembled build/Qvlzantor/ itself is where the program runs, so whatever a run
// left there (settings, books) is never copied.
#include <QString>

namespace tools {

// Fills `target` (created when missing). sourceDir is the repository, programDir the assembled
// build/Qvlzantor/. Returns false when something could not be copied.
bool copyPristineProgramFolder(const QString& sourceDir, const QString& programDir, const QString& target);

}  // namespace tools
