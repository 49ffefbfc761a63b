#pragma once
// The main window with the label screen (and the book screen, whose grid serves its search
// panel), logged in as administrator, over a few copies written straight into Table1; prints go
// to a recording printer instead of the default one.
#include "BookScreenFixture.h"
#include "catalogue/BooksGridLayout.h"

#include "catalogue/BooksGrid.h"
#include "exchange/labels/LabelPageTab.h"
#include "exchange/labels/LabelSheetScreen.h"
#include "exchange/labels/LabelsInstaller.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RichEdit.h"

#include <stdexcept>

class LabelScreenTest : public BookScreenTest {
protected:
    struct Copy {
        QString codeBarres;
        QString title;
        bool flagged = true;
        QString type = QStringLiteral("LIVRE");
        QString isbn13 = {};
        QString cover = {};
        QString author = {};
        QString place = {};
    };

    void SetUp() override
    {
        // The search panel of the choice tab runs the book grid's search.
        std::vector<app::ScreenInstaller> screens = bookScreens();
        screens.push_back([](app::TFrmPrin& frm) {
            const auto& entry = *frm.findPart<catalogue::BookEntryScreen>();
            frm.addPart<catalogue::BooksGrid>(frm, entry,
                                              catalogue::buildBooksGridControls(frm, entry.controls().tableTab));
            labels::installLabelScreens(frm);
        });
        start({"Cancel"}, screens);
        logIn();
        sheetScreen().printSheet = [this](const ui::RichEdit& sheet) {
            if (!printerReady)
                throw std::runtime_error("Aucune imprimante n'est installée");
            printed << sheet.text();
        };
    }

    // Returns the copy's NumLivre.
    qint64 addCopy(const Copy& c)
    {
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Table1 (Isbn13, Titre, CodeBarres, Type, IMP_CodeBarres, NbrExemplaire, Images, "
                           "Auteur, LieuRangement) Values (?, ?, ?, ?, ?, 1, ?, ?, ?)"),
            {c.isbn13, c.title, c.codeBarres, c.type, db::Value::boolean(c.flagged), c.cover, c.author, c.place});
        return booksColumn("NumLivre").constLast().toLongLong();
    }
    QStringList flags() { return booksColumn("IMP_CodeBarres"); }
    // The three layout boxes, then "Mise à jour affichage".
    void rebuildWith(int columns, int gap, int rowGap)
    {
        fill("Edit76", QString::number(columns));
        fill("Edit77", QString::number(gap));
        fill("Edit78", QString::number(rowGap));
        input.click(QStringLiteral("SpeedButton35"));
    }
    void openLabels() { input.menu(QStringLiteral("Livres > Etiquettes Codebarre")); }
    void setChecked(const char* box, bool checked)
    {
        auto& b = frm().get<ui::CheckBox>(QString::fromLatin1(box));
        if (b.checked() != checked)
            input.click(b);
    }

    labels::LabelSheetScreen& sheetScreen() { return *frm().findPart<labels::LabelSheetScreen>(); }
    ui::RichEdit& sheet() { return frm().get<ui::RichEdit>(QStringLiteral("Richedit1")); }
    QString sheetText() { return sheet().text(); }

    bool printerReady = true;
    QStringList printed;  // the text of each sheet printed
};
