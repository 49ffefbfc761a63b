#pragma once
// A web view's page on paper: the engine lays the page out and prints it on the printer or into
// the PDF file the print dialog chose, with the dialog's copies and pages, or shows it in a
// print preview.
#include "platform/ui/DialogService.h"
#include "platform/ui/PrintDestination.h"

namespace ui {

class WebBrowser;

// Prints the page the view shows, once loaded; false when there is no page or the printer or
// file did not take it within limitMs.
bool printWebPage(WebBrowser& view, const PrintChoice& choice, const PrintDestination& destination, int limitMs);

// Shows the page the view shows, once loaded, in a print preview under caption; false when there
// is no page within limitMs.
bool previewWebPage(WebBrowser& view, const QString& caption, int limitMs);

}  // namespace ui
