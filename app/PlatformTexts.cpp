#include "app/PlatformTexts.h"

#include "platform/browser/Texts.h"
#include "platform/db/ErrorTexts.h"
#include "platform/files/ErrorTexts.h"
#include "platform/net/ErrorTexts.h"
#include "platform/richtext/ErrorTexts.h"
#include "platform/scan/Texts.h"
#include "platform/shell/ErrorTexts.h"
#include "platform/text/ErrorTexts.h"
#include "platform/ui/DBNavigator.h"

namespace app {

void givePrintingTheProgramsTexts()
{
    richtext::ErrorTexts printTexts;
    printTexts.printNotStarted = QStringLiteral("L'impression n'a pas pu commencer.");
    printTexts.printFailed = QStringLiteral("L'impression a échoué.");
    richtext::setErrorTexts(printTexts);
}

void givePlatformTheProgramsTexts()
{
    db::ErrorTexts texts;
    texts.invalidValue = QStringLiteral("'%1' n'est pas une valeur correcte pour le champ %2");
    texts.invalidPattern = QStringLiteral("'%1' n'est pas un modèle correct pour le champ %2");
    texts.tooLong = QStringLiteral("la valeur est trop longue pour le champ %1 (%2 caractères au plus)");
    texts.invalidInteger = QStringLiteral("'%1' n'est pas un nombre entier correct");
    texts.incompleteStatement = QStringLiteral("erreur de syntaxe : instruction incomplète");
    texts.syntaxNear = QStringLiteral("erreur de syntaxe près de \"%1\"");
    texts.duplicateDestination = QStringLiteral("le champ de destination '%1' est nommé deux fois");
    texts.valueCountMismatch =
        QStringLiteral("le nombre de valeurs de la requête et le nombre de champs de destination diffèrent");
    texts.missingParameterValue = QStringLiteral("aucune valeur n'est donnée pour le paramètre %1");
    texts.unusedParameterValue = QStringLiteral("une valeur est donnée pour le paramètre %1, que le texte n'a pas");
    texts.fieldNotUpdatable = QStringLiteral("le champ %1 ne peut pas être mis à jour");
    texts.fieldNotModifiable = QStringLiteral("Le champ '%1' ne peut pas être modifié");
    texts.noSuchColumn = QStringLiteral("champ inconnu : %1");
    texts.noSuchTable = QStringLiteral("table inconnue : %1");
    texts.noFieldNumber = QStringLiteral("aucun champ numéro %1");
    texts.closedDataSet = QStringLiteral("Opération impossible sur un ensemble de données fermé");
    texts.notEditing = QStringLiteral("L'ensemble de données n'est pas en mode édition ou insertion");
    texts.emptyDataSet = QStringLiteral("Opération impossible sur un ensemble de données vide");
    texts.rowGone = QStringLiteral("L'enregistrement est introuvable : il a été supprimé depuis sa lecture");
    texts.noResultSet = QStringLiteral("L'instruction ne renvoie aucun ensemble d'enregistrements");
    texts.noTableName = QStringLiteral("Aucun nom de table n'est donné");
    texts.noDatabaseFile = QStringLiteral("la chaîne de connexion ne nomme aucun fichier de base de données");
    db::setErrorTexts(texts);
    ui::DBNavigator::setDeleteQuestion({QStringLiteral("Supprimer l'enregistrement ?"), QStringLiteral("Confirmation")});

    text::ErrorTexts conversion;
    conversion.invalidInteger = QStringLiteral("'%1' n'est pas une valeur entière correcte");
    text::setErrorTexts(conversion);

    files::ErrorTexts fileTexts;
    fileTexts.cannotOpen = QStringLiteral("Erreur d'E/S : impossible d'ouvrir le fichier %1");
    fileTexts.cannotRead = QStringLiteral("Erreur d'E/S : impossible de lire le fichier %1");
    fileTexts.cannotWrite = QStringLiteral("Erreur d'E/S : impossible d'écrire le fichier %1");
    fileTexts.notOpenForWriting = QStringLiteral("Erreur d'E/S : le fichier %1 n'est pas ouvert en écriture");
    fileTexts.notOpenForReading = QStringLiteral("Erreur d'E/S : le fichier %1 n'est pas ouvert en lecture");
    files::setErrorTexts(fileTexts);

    shell::ErrorTexts lockTexts;
    lockTexts.unusableLock = QStringLiteral("Le fichier de verrou %1 ne peut pas servir : %2.");
    lockTexts.notRegularFile = QStringLiteral("ce n'est pas un fichier ordinaire");
    lockTexts.otherUsersFile = QStringLiteral("il appartient à un autre utilisateur");
    shell::setErrorTexts(lockTexts);

    net::ErrorTexts netTexts;
    netTexts.libraryFailed = QStringLiteral("bibliothèque réseau : %1");
    netTexts.noConnectionHandle = QStringLiteral("bibliothèque réseau : impossible de créer une connexion");
    netTexts.closeWhileRunning = QStringLiteral("impossible de fermer une connexion pendant qu'une requête l'utilise");
    netTexts.anotherRequestRunning = QStringLiteral("%1 : une autre requête utilise déjà cette connexion");
    netTexts.cannotStart = QStringLiteral("%1 : impossible de lancer la requête");
    netTexts.noAnswer = QStringLiteral("%1 : pas de réponse au bout de %2 s");
    netTexts.answerTooLarge = QStringLiteral("%1 : la réponse dépasse les %2 octets attendus au plus");
    netTexts.repliesTooLong = QStringLiteral("%1 : les réponses du serveur dépassent %2 octets");
    netTexts.failed = QStringLiteral("%1 : %2");
    netTexts.noFtpHost = QStringLiteral("FTP connect : aucun serveur n'est indiqué");
    netTexts.invalidHostAndPort = QStringLiteral("%1 : le serveur ou le port n'est pas correct");
    netTexts.notConnected = QStringLiteral("%1 : pas de connexion au serveur");
    netTexts.controlCharacterInName = QStringLiteral("FTP : le nom distant \"%1\" contient un caractère de contrôle");
    netTexts.notWebAddress = QStringLiteral("GET %1 : ce n'est pas une adresse http ou https");
    netTexts.cannotWrite = QStringLiteral("impossible d'écrire %1 : %2");
    netTexts.badStatus = QStringLiteral("%1 : le serveur a répondu avec le code %2%3");
    netTexts.redirectNotFollowed = QStringLiteral(" (redirection non suivie)");
    netTexts.invalidSmtpServer = QStringLiteral("SMTP : \"%1\" n'est pas un nom de serveur (suivi au besoin d'un port)");
    netTexts.noSmtpServer = QStringLiteral("SMTP : aucun serveur n'est indiqué");
    netTexts.lineBreakInMail = QStringLiteral("SMTP : une adresse ou un objet contient un saut de ligne");
    net::setErrorTexts(netTexts);

    givePrintingTheProgramsTexts();

    scan::Texts scanTexts;
    scanTexts.chooseSource = QStringLiteral("Choisir une source");
    scanTexts.sourcesHeading = QStringLiteral("Scanners et webcams :");
    scanTexts.noSource = QStringLiteral("Aucun scanner ni webcam n'a été trouvé.");
    scanTexts.noCamera = QStringLiteral("Aucune webcam n'a été trouvée.");
    scanTexts.select = QStringLiteral("Sélectionner");
    scanTexts.cancel = QStringLiteral("Annuler");
    scanTexts.takePhoto = QStringLiteral("Prendre la photo");
    scanTexts.scan = QStringLiteral("Numériser");
    scanTexts.resolution = QStringLiteral("Résolution (ppp)");
    scanTexts.mode = QStringLiteral("Mode");
    scanTexts.area = QStringLiteral("Zone (%1)");
    scanTexts.left = QStringLiteral("Gauche");
    scanTexts.top = QStringLiteral("Haut");
    scanTexts.right = QStringLiteral("Droite");
    scanTexts.bottom = QStringLiteral("Bas");
    scanTexts.noCameraImage = QStringLiteral("la webcam n'a pas donné d'image");
    scanTexts.unknownImageFormat = QStringLiteral("format d'image inconnu");
    scanTexts.imageTooLarge = QStringLiteral("image trop grande : choisissez une résolution plus basse ou une surface plus petite");
    scan::setTexts(scanTexts);

    browser::Texts browserTexts;
    browserTexts.cancelledNavigation = QStringLiteral("Navigation annulée");
    browserTexts.stillLoading = QStringLiteral("%1 : le navigateur interne charge encore une autre page");
    browser::setTexts(browserTexts);
}

}  // namespace app
