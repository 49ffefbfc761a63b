#pragma once
// The texts of the platform layers that reach the librarian (the errors of the data layer, the
// files, the integer conversion and the single-start lock; the record navigator's question),
// given in French before any window opens.
namespace app {

void givePlatformTheProgramsTexts();

}  // namespace app
