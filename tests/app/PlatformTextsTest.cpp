// The platform layers' errors reached the librarian in English ("syntax error: incomplete statement.",
// "'Mon' is not a valid value for the field numlivre."). Once the program starts they are French.
#include "MainWindowFixture.h"

#include "platform/browser/PageDocument.h"
#include "platform/db/Error.h"
#include "platform/files/TextFileRecord.h"
#include "platform/net/Error.h"
#include "platform/net/HttpClient.h"
#include "platform/net/SmtpSender.h"
#include "platform/text/PascalText.h"

#include <functional>

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

TEST_F(PlatformTexts, TheConversionAndFileErrorsAreFrenchOnceTheProgramStarts)
{
    app::TFrmPrin& w = start();
    const auto shown = [](const std::function<void()>& failing) {
        try {
            failing();
        } catch (const std::runtime_error& error) {
            return QString::fromStdString(error.what());
        }
        return QString();
    };
    EXPECT_EQ(shown([] { text::StrToInt(QStringLiteral("deux")); }), QStringLiteral("'deux' n'est pas une valeur entière correcte"));
    const QString missing = w.AppDir + QStringLiteral("Absent\\Liste.txt");
    files::TextFileRecord file;
    file.assign(missing);
    const QString shownMissing = program.folder(QStringLiteral("Absent/Liste.txt"));
    EXPECT_EQ(shown([&file] { file.reset(); }), QStringLiteral("Erreur d'E/S : impossible de lire le fichier ") + shownMissing);
    EXPECT_EQ(shown([&file] { file.write(QStringLiteral("x")); }),
              QStringLiteral("Erreur d'E/S : le fichier ") + shownMissing + QStringLiteral(" n'est pas ouvert en écriture"));
}

TEST_F(PlatformTexts, TheNetworkErrorsAreFrenchOnceTheProgramStarts)
{
    app::TFrmPrin& w = start();
    net::FtpClient& ftp = w.IdFTP1;
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&ftp] { ftp.connect({}); }, QStringLiteral("FTP connect : aucun serveur n'est indiqué")},
        {[&ftp] { ftp.makeDir(QStringLiteral("Listes")); },
         QStringLiteral("FTP make folder /Listes : pas de connexion au serveur")},
        {[&ftp] { ftp.put(QStringLiteral("Liste.txt"), QStringLiteral("a\nb")); },
         QStringLiteral("FTP : le nom distant \"a b\" contient un caractère de contrôle")},
        {[&w] { net::HttpClient(w.networkWaiting()).get(QStringLiteral("ftp://exemple.fr/"), 10); },
         QStringLiteral("GET ftp://exemple.fr/ : ce n'est pas une adresse http ou https")},
        {[&w] { net::SmtpSender(w.networkWaiting(), {}).send({}); }, QStringLiteral("SMTP : aucun serveur n'est indiqué")},
    };
    for (const auto& [failing, shown] : cases) {
        try {
            failing();
            ADD_FAILURE() << shown.toStdString();
        } catch (const net::Error& error) {
            EXPECT_EQ(error.message(), shown);
        }
    }
}

TEST_F(PlatformTexts, TheCancelledNavigationPageIsFrenchOnceTheProgramStarts)
{
    start();
    EXPECT_EQ(browser::PageDocument::cancelledNavigation().title(), QStringLiteral("Navigation annulée"));
}
