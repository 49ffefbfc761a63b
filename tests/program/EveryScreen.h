#pragma once
// The whole program logged in as administrator, and a walk that opens every screen from its menu
// and chooses each tab of the screen shown, so that a check sees each of them as the librarian does.
#include "MainWindowFixture.h"

#include "platform/ui/PageControl.h"
#include "program/ProgramScreens.h"

#include <functional>

class EveryScreenTest : public MainWindowTest {
protected:
    void startLoggedIn()
    {
        start({"Cancel"}, program::programScreens());
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
    }

    // Runs `check` on every screen as it opens and once more on each tab of its page controls.
    void onEveryScreenAndTab(const std::function<void()>& check)
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
        for (const Opening& opening : openings) {
            SCOPED_TRACE(opening.menu);
            for (const QString& answer : opening.answers)
                dialogs.answer(answer);
            input.menu(QString::fromUtf8(opening.menu));
            input.process();
            EXPECT_EQ(dialogs.pendingAnswers(), 0u) << dialogTexts().join(u'\n').toStdString();
            check();
            onEveryTab(check);
        }
    }

private:
    void onEveryTab(const std::function<void()>& check)
    {
        for (ui::Component* component : frm().components()) {
            auto* tabs = dynamic_cast<ui::PageControl*>(component);
            if (!tabs || !tabs->showing())
                continue;
            for (ui::TabSheet* page : tabs->pages()) {
                SCOPED_TRACE(page->caption().toStdString());
                // A tab may say how to fill it.
                dialogs.answer(QStringLiteral("OK"));
                input.selectTab(*page);
                input.process();
                dialogs.clearAnswers();
                check();
            }
        }
    }
};
