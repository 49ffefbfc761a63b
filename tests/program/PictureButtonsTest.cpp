// Every screen as the librarian opens it: no picture button (a picture control that answers a
// click, shows a hint or reacts to the pointer, its picture its face rather than a stretched
// cover or photo from the data) is drawn as nothing.
#include "MainWindowFixture.h"

#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "program/ProgramScreens.h"

class PictureButtonsTest : public MainWindowTest {
protected:
    void startLoggedIn()
    {
        start({"Cancel"}, program::programScreens());
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
    }
    // The picture controls shown now that act but have no picture.
    QStringList blankPictureButtons()
    {
        QStringList blank;
        for (ui::Component* component : frm().components()) {
            const auto* image = dynamic_cast<const ui::Image*>(component);
            if (!image || !image->showing() || image->stretch() || image->picture())
                continue;
            const bool acts = image->onClick || image->onMouseDown || image->onMouseEnter || !image->hint().isEmpty();
            if (acts)
                blank << image->name();
        }
        return blank;
    }
    // The blank picture buttons of the screen shown, on each of its tabs.
    QStringList blankOnEveryTab()
    {
        QStringList blank = blankPictureButtons();
        for (ui::Component* component : frm().components()) {
            auto* tabs = dynamic_cast<ui::PageControl*>(component);
            if (!tabs || !tabs->showing())
                continue;
            for (ui::TabSheet* page : tabs->pages()) {
                // A tab may say how to fill it.
                dialogs.answer(QStringLiteral("OK"));
                input.selectTab(*page);
                input.process();
                dialogs.clearAnswers();
                blank << blankPictureButtons();
            }
        }
        blank.removeDuplicates();
        return blank;
    }
};

TEST_F(PictureButtonsTest, EveryScreenShowsAPictureOnEachPictureButton)
{
    struct Opening {
        const char* menu;
        QStringList answers;  // to the dialogs the opening shows
    };
    const Opening openings[] = {
        {"Emprunts > Emprunter", {}},
        {"Emprunts > Retours", {}},
        {"Livres > Nouveaux livres", {}},
        {"Livres > Etiquettes Codebarre", {}},
        {"Livres > Livres sortis", {}},
        {"Livres > Rechercher", {}},
        {"Livres > Listes (csv) des livres", {}},
        {"Livres > Catalogue Html Livre", {}},
        {"Autres_supports > Nouvelle entrée", {}},
        {"Autres_supports > Catalogue Html Autre _support", {}},
        {"Inventaire du matériel > Nouvel objet", {}},
        {"Inventaire du matériel > Catalogue Html inventaire", {"OK"}},
        {"Emprunteurs > Nouvel emprunteur", {}},
        {"Emprunteurs > Cartes Emprunteurs", {}},
        {"Emprunteurs > Listes (csv) des emprunteurs", {}},
        {"Emprunteurs > Voir tous les livres déjà emprumtés", {}},
        {"Outils > Configuration", {}},
        {"Outils > Coordonnées", {}},
        {"Outils > Eléments statistiques", {}},
        {"Outils > Afficher le journal", {"OK", "Cancel"}},
    };
    startLoggedIn();
    for (const Opening& opening : openings) {
        SCOPED_TRACE(opening.menu);
        for (const QString& answer : opening.answers)
            dialogs.answer(answer);
        input.menu(QString::fromUtf8(opening.menu));
        input.process();
        EXPECT_EQ(dialogs.pendingAnswers(), 0u) << dialogTexts().join(u'\n').toStdString();
        EXPECT_EQ(blankOnEveryTab(), QStringList());
    }
}
