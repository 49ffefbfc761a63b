// The data layer's errors reached the librarian in English ("syntax error: incomplete statement.",
// "'Mon' is not a valid value for the field numlivre."). Once the program starts they are French.
#include "MainWindowFixture.h"

#include "platform/db/Error.h"

using PlatformTexts = MainWindowTest;

TEST_F(PlatformTexts, TheDataLayersErrorsAreFrenchOnceTheProgramStarts)
{
    app::TFrmPrin& w = start();
    w.db.ADOConnection1.execute(QStringLiteral("INSERT INTO Table1 (Titre) VALUES ('Babar')"));
    const std::pair<const char*, QString> cases[] = {
        {"SELECT * FROM", QStringLiteral("erreur de syntaxe : instruction incomplète")},
        {"UPDATE Table1 SET NumEmprunteur = 'Mon'", QStringLiteral("'Mon' n'est pas une valeur correcte pour le champ NumEmprunteur")},
    };
    for (const auto& [statement, shown] : cases) {
        try {
            w.db.ADOConnection1.execute(QString::fromLatin1(statement));
            ADD_FAILURE() << statement;
        } catch (const db::Error& error) {
            EXPECT_EQ(error.message(), shown) << statement;
        }
    }
}
