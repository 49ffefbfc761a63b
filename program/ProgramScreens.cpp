#include "program/ProgramScreens.h"

#include "app/BackupCommands.h"
#include "app/BooksTableRepair.h"
#include "app/ConfigurationLayout.h"
#include "app/ConfigurationScreen.h"
#include "app/DatabaseSummary.h"
#include "app/FrmPrin.h"
#include "app/GridCheckBoxes.h"
#include "app/GridSorting.h"
#include "app/HelpCommands.h"
#include "app/HoverHints.h"
#include "app/ListFiles.h"
#include "app/SchoolCoordinates.h"
#include "app/SchoolCoordinatesLayout.h"
#include "app/ShutDown.h"
#include "catalogue/BookEntryLayout.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BookSave.h"
#include "catalogue/BooksGrid.h"
#include "catalogue/BooksGridLayout.h"
#include "catalogue/ComplementsTab.h"
#include "catalogue/CopyRenumbering.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/EquipmentInventoryLayout.h"
#include "catalogue/EquipmentInventoryScreen.h"
#include "catalogue/OtherMediaGrid.h"
#include "catalogue/OtherMediaLayout.h"
#include "catalogue/OtherMediaSave.h"
#include "catalogue/OtherMediaScreen.h"
#include "catalogue/PeriodicalIssues.h"
#include "catalogue/RecordNavigation.h"
#include "catalogue/SearchScreen.h"
#include "catalogue/SearchScreenLayout.h"
#include "catalogue/StockTakeEnding.h"
#include "catalogue/StockTakeLayout.h"
#include "catalogue/StockTakeScan.h"
#include "catalogue/StockTakeScreen.h"
#include "exchange/ExchangeInstaller.h"
#include "exchange/labels/LabelsInstaller.h"
#include "loans/LoanInstaller.h"
#include "loans/ReturnInstaller.h"
#include "pupils/PupilsInstaller.h"
#include "web/BookLookupInstaller.h"
#include "web/acquisition/AcquisitionInstaller.h"
#include "web/sharedbase/SharedBaseInstaller.h"

namespace program {

std::vector<app::ScreenInstaller> programScreens()
{
    return {
        [](app::TFrmPrin& frm) {
            auto& entry = frm.addPart<catalogue::BookEntryScreen>(frm, catalogue::buildBookEntryControls(frm));
            frm.addPart<catalogue::BookSave>(frm, entry);
            auto& complements = frm.addPart<catalogue::ComplementsTab>(frm, entry);
            frm.addPart<catalogue::RecordNavigation>(frm, entry, complements);
            frm.addPart<catalogue::PeriodicalIssues>(frm, entry);
            frm.addPart<catalogue::BooksGrid>(frm, entry,
                                              catalogue::buildBooksGridControls(frm, entry.controls().tableTab));
            auto& stockTake = frm.addPart<catalogue::StockTakeScreen>(
                frm, entry, catalogue::buildStockTakeControls(frm, entry.controls().entryTab));
            frm.addPart<catalogue::StockTakeScan>(frm, entry, stockTake);
            frm.addPart<catalogue::StockTakeEnding>(frm, entry, stockTake);
        },
        [](app::TFrmPrin& frm) {
            auto& otherMedia = frm.addPart<catalogue::OtherMediaScreen>(frm, catalogue::buildOtherMediaControls(frm));
            frm.addPart<catalogue::OtherMediaSave>(frm, otherMedia);
            frm.addPart<catalogue::OtherMediaGrid>(frm, otherMedia);
        },
        [](app::TFrmPrin& frm) {
            frm.addPart<catalogue::EquipmentInventoryScreen>(frm, catalogue::buildEquipmentInventoryControls(frm));
        },
        [](app::TFrmPrin& frm) { web::installBookLookup(frm); },
        [](app::TFrmPrin& frm) {
            frm.addPart<catalogue::SearchScreen>(frm, catalogue::buildSearchScreenControls(frm));
        },
        [](app::TFrmPrin& frm) { loans::installLoanScreen(frm); },
        [](app::TFrmPrin& frm) { loans::installReturnScreen(frm); },
        [](app::TFrmPrin& frm) {
            frm.addPart<app::ShutDown>(frm, catalogue::RenumberCopies);
            frm.addPart<app::BackupCommands>(frm);
            frm.addPart<app::BooksTableRepair>(frm, catalogue::Ean13ToFontText);
            frm.addPart<app::DatabaseSummary>(frm);
        },
        [](app::TFrmPrin& frm) { pupils::installPupilScreens(frm); },
        [](app::TFrmPrin& frm) { acquisition::installAcquisition(frm); },
        [](app::TFrmPrin& frm) { exchange::installExchangeScreens(frm); },
        [](app::TFrmPrin& frm) { labels::installLabelScreens(frm); },
        // After the import, whose panel the batch passes share.
        [](app::TFrmPrin& frm) { sharedbase::installSharedBase(frm); },
        [](app::TFrmPrin& frm) {
            frm.addPart<app::SchoolCoordinates>(frm, app::buildSchoolCoordinatesControls(frm));
            frm.addPart<app::ConfigurationScreen>(frm, app::buildConfigurationControls(frm));
            // Last, so that the grids, help buttons, panels and list boxes of every screen are there to bind.
            frm.addPart<app::HelpCommands>(frm);
            frm.addPart<app::GridSorting>(frm);
            app::bindCheckBoxCells(frm, frm.addPart<app::TDmImages>());
            frm.addPart<app::HoverHints>(frm);
            app::bindListFiles(frm);
            frm.everyScreenBuilt();
        },
    };
}

}  // namespace program
