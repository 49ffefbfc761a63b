#pragma once
// Scanners and cameras joined to the main window: the scanning controls of the book and
// other-media screens, the cover scans, the borrower photos of the borrower and loan screens,
// and the storage-place picture of the book record.
namespace app {
class TFrmPrin;
}

namespace acquisition {

void installAcquisition(app::TFrmPrin& frm);

}  // namespace acquisition
