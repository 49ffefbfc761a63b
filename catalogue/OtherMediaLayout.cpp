#include "catalogue/OtherMediaLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/BooksGridLayout.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/WebBrowser.h"

#include <cstdlib>
#include <vector>

namespace catalogue {

using ui::placeControl;

namespace {

using NavButton = ui::DBNavigator::Button;

class Placer {
public:
    explicit Placer(app::TFrmPrin& frm) : m_frm(frm) {}

    template <class T>
    T* add(const char* name, ui::WinControl* parent, const QRect& place, const QString& text = {})
    {
        return placeControl<T>(m_frm, name, parent, place, text);
    }
    // A caption at the left of the row and its control beside it.
    template <class T>
    T* row(const char* labelName, const char* name, ui::WinControl* tab, int top, const QString& caption,
           int width = 330, int height = 22)
    {
        add<ui::Label>(labelName, tab, QRect(16, top + 3, 110, 16), caption);
        return add<T>(name, tab, QRect(130, top, width, height));
    }
    template <class T>
    T* bound(T* control, const char* field)
    {
        control->setDataSource(&m_frm.db.DataSource1);
        control->setDataField(QString::fromLatin1(field));
        return control;
    }

private:
    app::TFrmPrin& m_frm;
};

// A filled triangle pointing left or right, the browsing buttons' picture.
ui::PicturePtr arrowPicture(bool pointsRight)
{
    constexpr int kSize = 40;
    constexpr quint32 kArrow = 0xFF1E5AA8;
    std::vector<quint32> pixels(size_t(kSize * kSize), 0x00000000);
    for (int y = 4; y < kSize - 4; ++y) {
        const int reach = (kSize / 2 - 4) - std::abs(y - kSize / 2) + (kSize / 2 - 4);
        for (int x = 4; x < 4 + reach; ++x)
            pixels[size_t(y * kSize + (pointsRight ? x : kSize - 1 - x))] = kArrow;
    }
    return std::make_shared<ui::Picture>(kSize, kSize, std::move(pixels));
}

void buildEntryTab(Placer& p, ui::TabSheet* tab)
{
    p.add<ui::Edit>("Edit24", tab, QRect(130, 10, 330, 28));
    p.row<ui::ComboBox>("Label72", "ComboBox6", tab, 50, QStringLiteral("Type"), 200)->setText(QStringLiteral("Musique"));
    p.row<ui::Edit>("Label77", "Edit30", tab, 80, QStringLiteral("Code barre"), 200)->setColor(ui::colors::yellow);
    p.add<ui::Button>("Button32", tab, QRect(345, 78, 115, 26), QStringLiteral("Rechercher"));
    p.row<ui::Edit>("Label79", "Edit31", tab, 110, QStringLiteral("Titre"));
    p.row<ui::Edit>("Label78", "Edit32", tab, 138, QStringLiteral("Auteur"));
    p.row<ui::Edit>("Label80", "Edit33", tab, 166, QStringLiteral("Editeur"));
    p.row<ui::Edit>("Label73", "Edit38", tab, 194, QStringLiteral("Ean10"), 200);
    p.row<ui::Edit>("Label74", "Edit37", tab, 222, QStringLiteral("Propriétaire"));
    p.row<ui::Edit>("Label75", "Edit87", tab, 250, QStringLiteral("Prix"), 100);
    p.row<ui::Edit>("Label145", "Edit34", tab, 278, QStringLiteral("Lien HTML"));
    p.row<ui::Edit>("Label146", "Edit88", tab, 306, QStringLiteral("Nombre pages"), 100);
    p.row<ui::Edit>("Label147", "Edit89", tab, 334, QStringLiteral("Date parution"), 150);
    p.row<ui::Edit>("Label148", "Edit90", tab, 362, QStringLiteral("Reliure"), 200);
    p.row<ui::Edit>("Label76", "Edit27", tab, 390, QStringLiteral("Nbre Exemplaires"), 60);
    p.add<ui::CheckBox>("CheckBox34", tab, QRect(130, 422, 330, 20), QStringLiteral("Prévoir d'imprimer code barre"));
    p.add<ui::Button>("Button33", tab, QRect(130, 456, 110, 30), QStringLiteral("Accepter"));
    p.add<ui::Button>("Button34", tab, QRect(250, 456, 110, 30), QStringLiteral("Annuler"));
    p.add<ui::Image>("Image98", tab, QRect(490, 50, 260, 360))->setStretch(true);
    // The page reader of the web look-up.
    p.add<ui::Panel>("WebBrowser5", tab, QRect(490, 420, 80, 40))->hide();
}

void buildComplementsTab(Placer& p, ui::TabSheet* tab, db::DataSource* books)
{
    p.bound(p.row<ui::DBEdit>("Label51", "DBEdit27", tab, 12, QStringLiteral("Code barre"), 200), "Isbn13");
    auto* title = p.bound(p.row<ui::DBEdit>("Label50", "DBEdit26", tab, 40, QStringLiteral("* Titre")), "Titre");
    p.bound(p.row<ui::DBEdit>("Label60", "DBEdit32", tab, 68, QStringLiteral("Auteur")), "Auteur");
    p.bound(p.row<ui::DBEdit>("Label61", "DBEdit33", tab, 96, QStringLiteral("Editeur")), "Editeur");
    auto* type = p.bound(p.row<ui::DBComboBox>("Label57", "DBComboBox9", tab, 124, QStringLiteral("* Type"), 200), "Type");
    for (ui::Control* required : {static_cast<ui::Control*>(title), static_cast<ui::Control*>(type)}) {
        required->setHint(QStringLiteral("Info obligatoire"));
        required->setShowHint(true);
    }
    p.bound(p.row<ui::DBEdit>("Label58", "DBEdit31", tab, 152, QStringLiteral("Genre"), 200), "Genre");
    p.bound(p.row<ui::DBEdit>("Label65", "DBEdit28", tab, 180, QStringLiteral("Numéro"), 100), "numlivre");
    p.bound(p.row<ui::DBComboBox>("Label56", "DBComboBox11", tab, 208, QStringLiteral("Descripteur")), "Descripteur");
    p.bound(p.row<ui::DBMemo>("Label59", "DBMemo2", tab, 236, QStringLiteral("Résumé"), 330, 90), "Resume");
    p.bound(p.add<ui::DBCheckBox>("DBCheckBox3", tab, QRect(130, 332, 200, 20), QStringLiteral("Empruntable")),
            "Empruntable");
    p.bound(p.row<ui::DBComboBox>("Label52", "DBComboBox10", tab, 358, QStringLiteral("Lieu de rangement"), 200),
            "LieuRangement");
    p.bound(p.row<ui::DBEdit>("Label62", "DBEdit34", tab, 386, QStringLiteral("Nom Image")), "Images");
    p.bound(p.row<ui::DBEdit>("Label63", "DBEdit35", tab, 414, QStringLiteral("Photo rangement")), "Photo_rangement");

    // Deleting goes through the grid's "Effacer", which refuses an item out on loan.
    auto* navigator = p.add<ui::DBNavigator>("DBNavigator4", tab, QRect(16, 452, 280, 28));
    navigator->setDataSource(books);
    navigator->setVisibleButtons({NavButton::First, NavButton::Last, NavButton::Edit, NavButton::Post,
                                  NavButton::Cancel, NavButton::Refresh});
    p.add<ui::Button>("Button28", tab, QRect(310, 452, 180, 28), QStringLiteral("Nou&veau / Enregistrer"));
    auto* barcode = p.add<ui::Edit>("Edit20", tab, QRect(16, 494, 474, 80));
    barcode->setFont(ui::Font{QStringLiteral("Code EAN13"), 48});

    p.add<ui::Image>("Image12", tab, QRect(505, 12, 250, 330))->setStretch(true);
    p.add<ui::Image>("Image13", tab, QRect(505, 352, 250, 170))->setStretch(true);
    p.add<ui::Image>("Image96", tab, QRect(560, 534, 40, 40))->setPicture(arrowPicture(false));
    p.add<ui::Image>("Image97", tab, QRect(660, 534, 40, 40))->setPicture(arrowPicture(true));
}

void buildTableTab(Placer& p, ui::TabSheet* tab, db::DataSource* books)
{
    auto* grid = p.add<ui::DBGrid>("DBGrid2", tab, QRect(8, 8, 756, 540));
    grid->setDataSource(books);
    grid->setColumns(layout::booksGridColumns());
    auto* moves = p.add<ui::DBNavigator>("DBNavigator5", tab, QRect(8, 556, 270, 28));
    moves->setDataSource(books);
    moves->setVisibleButtons({NavButton::First, NavButton::Prior, NavButton::Next, NavButton::Last, NavButton::Insert,
                              NavButton::Edit, NavButton::Post, NavButton::Cancel, NavButton::Refresh});
    auto* steps = p.add<ui::DBNavigator>("DBNavigator7", tab, QRect(8, 590, 120, 28));
    steps->setDataSource(books);
    steps->setVisibleButtons({NavButton::First, NavButton::Prior, NavButton::Next, NavButton::Last});
    p.add<ui::Edit>("Edit128", tab, QRect(290, 558, 160, 24));
    p.add<ui::Button>("Button10", tab, QRect(458, 556, 220, 28), QStringLiteral(" N° ou ISBN / Rétablr affichage"));
    p.add<ui::Button>("Button37", tab, QRect(686, 556, 78, 28), QStringLiteral("Effacer"));
}

}  // namespace

OtherMediaControls buildOtherMediaControls(app::TFrmPrin& frm)
{
    Placer p(frm);
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel7"));
    auto* pages = p.add<ui::PageControl>("PageControl3", screen, otherMediaLayout::kPageControl);
    auto* entry = p.add<ui::TabSheet>("TabSheet12", pages, {}, QStringLiteral("Essentiel"));
    auto* complements = p.add<ui::TabSheet>("TabSheet5", pages, {}, QStringLiteral("Compléments"));
    auto* table = p.add<ui::TabSheet>("TabSheet6", pages, {}, QStringLiteral("Tableau"));
    auto* covers = p.add<ui::TabSheet>("TabSheet14", pages, {}, QStringLiteral("Jaquettes"));
    pages->setActivePage(entry);
    buildEntryTab(p, entry);
    buildComplementsTab(p, complements, &frm.db.DataSource1);
    buildTableTab(p, table, &frm.db.DataSource1);
    p.add<ui::WebBrowser>("WebBrowser14", covers, QRect(8, 8, 756, 640));

    p.add<ui::RichEdit>("RichEdit5", screen, QRect(810, 40, 250, 300));
    auto* farewell = p.add<ui::Image>("Image26", screen, otherMediaLayout::kFarewellStart);
    farewell->setStretch(true);
    farewell->hide();

    auto edit = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    auto button = [&frm](const char* name) -> ui::Button& { return frm.get<ui::Button>(QString::fromLatin1(name)); };
    auto image = [&frm](const char* name) -> ui::Image& { return frm.get<ui::Image>(QString::fromLatin1(name)); };
    auto dbEdit = [&frm](const char* name) -> ui::DBEdit& { return frm.get<ui::DBEdit>(QString::fromLatin1(name)); };
    return OtherMediaControls{
        .screen = *screen,
        .tabs = *pages,
        .entryTab = *entry,
        .complementsTab = *complements,
        .tableTab = *table,
        .coverPageTab = *covers,
        .barcodeText = edit("Edit24"),
        .type = frm.get<ui::ComboBox>(QStringLiteral("ComboBox6")),
        .code = edit("Edit30"),
        .search = button("Button32"),
        .title = edit("Edit31"),
        .author = edit("Edit32"),
        .publisher = edit("Edit33"),
        .ean10 = edit("Edit38"),
        .owner = edit("Edit37"),
        .price = edit("Edit87"),
        .link = edit("Edit34"),
        .pageCount = edit("Edit88"),
        .published = edit("Edit89"),
        .binding = edit("Edit90"),
        .copies = edit("Edit27"),
        .printBarcode = frm.get<ui::CheckBox>(QStringLiteral("CheckBox34")),
        .accept = button("Button33"),
        .cancel = button("Button34"),
        .foundCover = image("Image98"),
        .pageReader = frm.get<ui::Panel>(QStringLiteral("WebBrowser5")),
        .storedCode = dbEdit("DBEdit27"),
        .storedTitle = dbEdit("DBEdit26"),
        .storedType = frm.get<ui::DBComboBox>(QStringLiteral("DBComboBox9")),
        .borrowable = frm.get<ui::DBCheckBox>(QStringLiteral("DBCheckBox3")),
        .storagePlace = frm.get<ui::DBComboBox>(QStringLiteral("DBComboBox10")),
        .coverName = dbEdit("DBEdit34"),
        .newItem = button("Button28"),
        .barcodePreview = edit("Edit20"),
        .cover = image("Image12"),
        .placePicture = image("Image13"),
        .previous = image("Image96"),
        .next = image("Image97"),
        .grid = frm.get<ui::DBGrid>(QStringLiteral("DBGrid2")),
        .directAccess = edit("Edit128"),
        .directAccessButton = button("Button10"),
        .erase = button("Button37"),
        .coverPage = frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser14")),
        .storedCopies = frm.get<ui::RichEdit>(QStringLiteral("RichEdit5")),
        .farewell = *farewell,
    };
}

}  // namespace catalogue
