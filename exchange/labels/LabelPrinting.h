#pragma once
// How the label sheet reaches paper: as the rich-edit control prints itself.
namespace ui {
class RichEdit;
}  // namespace ui

namespace labels {

// The whole content on the current printer, its printable area as the text rectangle, as one
// job without a document name; throws when no printer is installed or the job fails.
void printOnCurrentPrinter(const ui::RichEdit& sheet);

}  // namespace labels
