#pragma once
// Joins the look-up of book codes to the main window, with the web sources in the order the
// chain asks them, the hidden browser they read pages with and the cover downloads; the
// publisher-name check, which reads its service with the same hidden browser; the check of
// the covers folder; the web result panel and the title search that opens it.
namespace app {
class TFrmPrin;
}

namespace web {

void installBookLookup(app::TFrmPrin& frm);

}  // namespace web
