#pragma once
// Where the print dialog answered last sends the print: the printer or the PDF file chosen
// there. The dialog services note it as the dialog closes; what prints after the dialog reads it.
#include <QString>

namespace ui {

struct PrintDestination {
    QString printerName;  // empty: the default printer
    QString outputFile;   // native path of the PDF file to print into; empty: the printer
};

const PrintDestination& chosenPrintDestination();
void choosePrintDestination(PrintDestination destination);

}  // namespace ui
