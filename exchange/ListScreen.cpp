#include "exchange/ListScreen.h"

#include "app/FrmPrin.h"
#include "exchange/CsvLists.h"
#include "exchange/HtmlPage.h"
#include "platform/files/FileOps.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFileRecord.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"

namespace exchange {

namespace {

const QString kListsFolder = QStringLiteral("Listes\\");

}  // namespace

ListControls buildListScreen(app::TFrmPrin& frm)
{
    using ui::placeControl;
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Liste"));
    auto* bookList = placeControl<ui::Button>(frm, "Button53", screen, QRect(16, 16, 420, 30),
                                              QStringLiteral("Faire la liste de tous les livres dans le fichier \"Livres.csv\""));
    auto* borrowerList = placeControl<ui::Button>(frm, "Button54", screen, QRect(16, 52, 420, 30),
                                                  QStringLiteral("Faire la liste de tous les élèves \"Emprunteurs.csv\""));
    auto* otherMediaList = placeControl<ui::Button>(frm, "BitBtn8", screen, QRect(16, 88, 420, 30),
                                                    QStringLiteral("Faire la liste de tout \"Sauf_Livres.csv\""));
    placeControl<ui::Memo>(frm, "Memo4", screen, QRect(450, 16, 420, 102))
        ->setLines({QStringLiteral("Ces fichiers sont des fichiers texte que le tableur (Excel, Calc) ouvre"),
                    QStringLiteral("pour les trier, les filtrer ou les imprimer."),
                    QStringLiteral("Ils sont dans le dossier Listes du programme.")});
    auto* print = placeControl<ui::Button>(frm, "Button83", screen, QRect(884, 16, 100, 30), QStringLiteral("Imprimer"));
    auto* printPicture = placeControl<ui::Image>(frm, "Image15", screen, QRect(884, 56, 48, 48));
    printPicture->setHint(QStringLiteral("Imprimer"));
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser8", screen, QRect(16, 130, 985, 615));
    return {*screen, *bookList, *borrowerList, *otherMediaList, *print, *printPicture, *page};
}

ListScreen::ListScreen(app::TFrmPrin& frm, ListControls controls) : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("Listes1Click"), [this] { Listes1Click(); });
    frm.handlers.bind(QStringLiteral("ListescsvAutressupport1Click"), [this] { Listes1Click(); });
    m_controls.bookList.onClick = [this] { Button53Click(); };
    m_controls.borrowerList.onClick = [this] { Button54Click(); };
    m_controls.otherMediaList.onClick = [this] { BitBtn8Click(); };
    m_controls.print.onClick = [this] { Button83Click(); };
    m_controls.printPicture.onClick = [this] { Button83Click(); };
}

void ListScreen::Listes1Click()
{
    m_frm.HideAllScreens();
    m_controls.screen.show();
}

void ListScreen::publish(const CsvList& list, const QString& fileName, const QString& pageName,
                         std::pair<int, int> messages)
{
    app::TFrmPrin& f = m_frm;
    // The folder is delivered; one deleted by hand is made again rather than losing the list.
    files::forceDirectories(f.AppDir + kListsFolder);
    files::TextFileRecord& file = f.OutputFile;
    file.assign(f.AppDir + kListsFolder + fileName);
    file.rewrite();
    file.write(list.csv);
    file.close();
    PublishHtmlPage(f, m_controls.page, pageName, list.page);
    f.application().showMessage(f.tables.message(messages.first) + files::shownPath(f.AppDir + kListsFolder + fileName) +
                                QStringLiteral(" \r\n") + f.tables.message(messages.second));
}

void ListScreen::offerSpreadsheet(const QString& question, const QString& fileName)
{
    if (m_frm.application().messageBox(question, QStringLiteral("Excel"), ui::MessageButtons::OkCancel,
                                       ui::MessageIcon::Question, 2) == ui::ModalResult::Ok)
        m_frm.services().shell.open(files::nativePath(m_frm.AppDir + kListsFolder + fileName));
}

void ListScreen::Button53Click()
{
    publish(bookList(m_frm.db.ars), QStringLiteral("Livres.csv"), QStringLiteral("Livres_Tous.html"), {195, 196});
    offerSpreadsheet(m_frm.tables.message(243), QStringLiteral("Livres.csv"));
}

void ListScreen::Button54Click()
{
    publish(borrowerList(m_frm.db.ars), QStringLiteral("Emprunteurs.csv"), QStringLiteral("Livres_Tous.html"), {195, 196});
}

void ListScreen::BitBtn8Click()
{
    publish(otherMediaList(m_frm.db.ars), QStringLiteral("AutreLivres.csv"), QStringLiteral("AutreLivres_Tous.html"),
            {55, 56});
    offerSpreadsheet(m_frm.tables.dialog(9), QStringLiteral("AutreLivres.csv"));
}

void ListScreen::Button83Click()
{
    PrintHtmlPage(m_frm, m_controls.page);
}

}  // namespace exchange
