#include "program/ProgramScreens.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BookSave.h"
#include "catalogue/ComplementsTab.h"
#include "catalogue/PeriodicalIssues.h"
#include "catalogue/RecordNavigation.h"
#include "catalogue/BooksGrid.h"
#include "catalogue/SearchScreen.h"
#include "web/BookLookupInstaller.h"

namespace program {

std::vector<app::ScreenInstaller> programScreens()
{
    return {
        [](app::TFrmPrin& frm) {
            auto& entry = frm.addPart<catalogue::BookEntryScreen>(frm);
            frm.addPart<catalogue::BookSave>(frm, entry);
            auto& complements = frm.addPart<catalogue::ComplementsTab>(frm, entry);
            frm.addPart<catalogue::RecordNavigation>(frm, entry, complements);
            frm.addPart<catalogue::PeriodicalIssues>(frm);
            frm.addPart<catalogue::BooksGrid>(frm);
        },
        [](app::TFrmPrin& frm) { web::installBookLookup(frm); },
        [](app::TFrmPrin& frm) { frm.addPart<catalogue::SearchScreen>(frm); },
    };
}

}  // namespace program
