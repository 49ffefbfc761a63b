#pragma once
// The texts of the platform layers that reach the librarian (the errors of the data layer, the
// files, the integer conversion, the single-start lock and the printing; the record navigator's
// question; the scan dialogs; the browser's cancelled navigation), given in French before any
// window opens.
namespace app {

void givePlatformTheProgramsTexts();
// The print errors alone, for the preview program, which prints and shows nothing else of them.
void givePrintingTheProgramsTexts();

}  // namespace app
