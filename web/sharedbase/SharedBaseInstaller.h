#pragma once
// Joins the shared online base to the main window: the contribution the ways out run, the
// periodical-issue panel's reader, and the batch passes of the tools menu on the book screen's
// batch panel. The look-up chain asks the image bank and the base among its own sources.
namespace app {
class TFrmPrin;
}

namespace sharedbase {

void installSharedBase(app::TFrmPrin& frm);

}  // namespace sharedbase
