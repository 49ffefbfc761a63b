#include "app/MainWindowLayout.h"

namespace layout {

using namespace ui::colors;
using colour::kLightGreen;

const std::vector<ScreenPanel>& screenPanels()
{
    static const std::vector<ScreenPanel> panels = {
        {"Panel13", QRect(6, 41, 1075, 818), navy},
        {"Panel4", QRect(8, 51, 1265, 834), cream},
        {"Panel14", QRect(8, 38, 927, 811), red},
        {"Panel15", QRect(-4, 39, 1037, 784), green},
        {"Panel2", QRect(5, 44, 1072, 786), cream},
        {"Panel1", QRect(60, 42, 933, 703), kLightGreen},
        {"Panel3", QRect(1, 49, 1024, 753), yellow, "Inventaire"},
        {"Panel7", QRect(-8, 51, 1073, 729), buttonFace},
        {"Recherche", QRect(0, 39, 1073, 760), gray},
        {"Panel17", QRect(8, 40, 1065, 748), skyBlue},
        {"Panel18", QRect(0, 49, 1144, 764), cream},
        {"Panel16", QRect(102, 35, 861, 753), teal},
        {"Identification", QRect(325, 166, 470, 385), green},
        {"Panel24", QRect(217, 271, 311, 140), cream, "", "Message d'attente"},
        {"Panel8", QRect(0, 41, 1161, 774), buttonFace},
        {"Panel5", QRect(0, 68, 1142, 787), skyBlue},
        {"Panel9", QRect(-1, 43, 1033, 569), buttonFace},
        {"Panel12", QRect(-1, 46, 689, 660), teal},
        {"Liste", QRect(0, 49, 1017, 761), olive},
        {"Panel26", QRect(0, 41, 1072, 811), buttonFace, "Livres les plus lus dans une classe"},
        {"Panel21", QRect(1, 54, 1264, 786), cream},
    };
    return panels;
}

const std::vector<ToolbarButton>& toolbarButtons()
{
    static const std::vector<ToolbarButton> buttons = {
        {"ToolButton2", "Rendre", "Rendre1Click", kToolButtonSize},
        {"ToolButton3", "Emprunter", "E1Click", kToolButtonSize},
        {"ToolButton10", "Livres en retard", "Livressortis1Click", kToolButtonSize},
        {"ToolButton1", "", "", 8},
        {"ToolButton4", "Ajouter des livres", "Nouveaux3Click", kToolButtonSize},
        {"ToolButton5", "Ajouter d'autres supports", "Nouvelleentre1Click", kToolButtonSize},
        {"ToolButton6", "Ajouter des objets à l'inventaire", "Ajouterdesdescripteursunlivre1Click", kToolButtonSize},
        {"ToolButton7", "Ajouter emprunteurs", "Nouveaux2Click", kToolButtonSize},
        {"ToolButton13", "Recherche", "Rechercher1Click", kToolButtonSize},
        {"ToolButton8", "Pour commencer", "Enseignant1Click", kToolButtonSize},
        {"ToolButton9", "Pour quitter", "ToolButton9Click", kToolButtonSize},
    };
    return buttons;
}

const std::vector<Menu>& mainMenu()
{
    static const std::vector<Menu> menu = {
        {"F1", "Fichier", 1, {
            {"Administrateur1", "Administrateur", 2, "Enseignant1Click"},
            {"Enseignant1", "Enseignant", 3, "Enseignant1Click"},
            {"Quitter1", "&Quitter", 4, "Quitter1Click"},
            {"Info1", "Info base", 5, "Info1Click"},
            {"Language1", "Language", 6, "Language1Click"},
        }},
        {"Emprunt1", "Emprunts", 7, {
            {"E1", "&Emprunter", 8, "E1Click"},
            {"Rendre1", "&Retours", 9, "Rendre1Click"},
        }},
        {"Livres", "Livres", 10, {
            {"Nouveaux3", "&Nouveaux livres", 11, "Nouveaux3Click"},
            {"Etiquettecodebarre1", "&Etiquettes Codebarre", 12, "Etiquettecodebarre1Click"},
            {"Livressortis1", "Livres sortis", 13, "Livressortis1Click"},
            {"Retoursenretard1", "Retours en retard", 14, "Livressortis1Click"},
            {"Rechercher1", "Rechercher", 15, "Rechercher1Click"},
            {"Listes1", "Listes (csv) des livres", 16, "Listes1Click"},
            {"CatalogueHtml1", "Catalogue &Html Livre", 17, "CatalogueHtml1Click"},
        }},
        {"AutreSupport", "Autres_supports", 18, {
            {"Nouvelleentre1", "Nouvelle entrée", 19, "Nouvelleentre1Click"},
            {"EtiquettesCodebarre2", "Etiquettes Codebarre", 20, "Etiquettecodebarre1Click"},
            {"ListescsvAutressupport1", "Listes (csv) Autres_support", 21, "ListescsvAutressupport1Click"},
            {"C1", "Catalogue Html Autre _support", 22, "C1Click"},
        }},
        {"Inventaire", "Inventaire du matériel", 23, {
            {"Ajouterdesdescripteursunlivre1", "Nouvel objet", 24, "Ajouterdesdescripteursunlivre1Click"},
            {"CatalogueHtml2", "Catalogue Html inventaire", 25, "CatalogueHtml2Click"},
        }},
        {"Emprunteurs", "Emprunteurs", 26, {
            {"Nouveaux2", "N&ouvel emprunteur", 27, "Nouveaux2Click"},
            {"ImporterBaselve1", "&Importer Onde", 28, "ImporterBaselve1Click"},
            {"ImporterFichierTXT1", "Importer Emprunteur .TXT", 29, "ImporterFichierTXT1Click"},
            {"CartesEmprunteur1", "&Cartes Emprunteurs", 30, "CartesEmprunteur1Click"},
            {"Listescsvdesemprunteurs1", "Listes (csv) des emprunteurs", 31, "Listes1Click"},
            {"Voirtousleslivresdjemprumts1", "Voir tous les livres déjà emprumtés", 32, "Voirtousleslivresdjemprumts1Click"},
        }},
        {"Outils", "Outils", 33, {
            {"AjouterlalisteISBN1", "Ajouter des N°  à la liste ISBN", 34, "AjouterlalisteISBN1Click"},
            {"Lsitetouslivresn1", "Importer de la liste N° ISBN", 35, "Lsitetouslivresn1Click"},
            {"ExporterISBN1", "Exporter N° ISBN", 36, "ExporterISBN1Click"},
            {"Exporter1", "Exporter la bibliothèque", 37, "Exporter1Click"},
            {"Importerlabibliothque1", "Importer une bibliothèque", 38, "Importerlabibliothque1Click"},
            {"ImporteruneBibliothquedeBcdi1", "Importer une Bibliothèque de Bcdi3", 39, "ImporteruneBibliothquedeBcdi1Click"},
            {"Sauvegarde1", "&Sauvegarde", 40, "Sauvegarde1Click"},
            {"Restauration1", "&Restauration", 41, "Restauration1Click"},
            {"Paramtrerlelogiciel1", "Configuration", 42, "Paramtrerlelogiciel1Click"},
            {"Coordonnes1", "Coordonnées", 43, "Coordonnes1Click"},
            {"Remettrezro1", "Remettre à zéro le fichier Emprunteurs", 45, "Remettrezro1Click"},
            {"Statistiques", "Eléments statistiques", 46, "StatistiquesClick"},
            {"Commencerlimportationdimage1", "Recherche automatique couvertures", 47, "Commencerlimportationdimage1Click"},
            {"Inventaireannuel1", "Inventaire complet et inventaire partiel", 48, "Inventaireannuel1Click"},
            {"Verif_base", "Vérification Base Livre", 49, "Verif_baseClick"},
            {"VrifImages1", "Vérif_Images", 50, "VrifImages1Click"},
            {"Afficherlejournal1", "Afficher le journal", 51, "Afficherlejournal1Click"},
            {"Restaurerinfos1", "Restaurer infos", 52, "Restaurerinfos1Click"},
            {"RechercheautomatiqueRsums1", "Recherche automatique Résumés", 0, "RechercheautomatiqueRsums1Click"},
            {"VrificationNomditeur1", "Vérification Nom éditeur", 0, "VrificationNomditeur1Click"},
            {"I1", "Import Emprunts_Urgence.csv", 0, "I1Click"},
        }},
        {"Aide1", "Aide", 53, {
            {"Aide2", "&Aide", 54, "Aide2Click"},
            {"Vidos1", "Vidéos", 55, "Vidos1Click"},
            {"Apropos1", "A propos", 56, "Apropos1Click"},
        }},
    };
    return menu;
}

}  // namespace layout
