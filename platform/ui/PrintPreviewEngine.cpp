#include "platform/ui/PrintPreviewEngine.h"

namespace ui {

namespace {
PrintPreviewEngine* g_printPreviewEngine = nullptr;
}

PrintPreviewEngine* PrintPreviewEngine::installed() { return g_printPreviewEngine; }

void PrintPreviewEngine::install(PrintPreviewEngine* engine) { g_printPreviewEngine = engine; }

}  // namespace ui
