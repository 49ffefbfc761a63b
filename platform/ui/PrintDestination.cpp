#include "platform/ui/PrintDestination.h"

namespace ui {

namespace {

PrintDestination g_chosenPrintDestination;

}  // namespace

const PrintDestination& chosenPrintDestination() { return g_chosenPrintDestination; }

void choosePrintDestination(PrintDestination destination) { g_chosenPrintDestination = std::move(destination); }

}  // namespace ui
