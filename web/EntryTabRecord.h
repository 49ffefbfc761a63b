#pragma once
// A source's record put on the entry tab: its values in their fields, its finding in the
// look-up's flags, then the cover its fetch stored.
namespace app {
class TFrmPrin;
}

namespace web {

struct BookRecord;

void showRecord(app::TFrmPrin& frm, const BookRecord& record);
void showRecordCover(app::TFrmPrin& frm, const BookRecord& record);

}  // namespace web
