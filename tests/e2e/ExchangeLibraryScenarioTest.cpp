// A whole library moved out of one program folder and into a fresh one: the export of 5,000
// copies and its import give back every carried field, changed only as the import's rules say.
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/BulkScope.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

const QStringList kLayout = QStringLiteral(
    "Titre;Auteur;Editeur;Descripteur;Isbn10;Type;Genre;MaxExemplaire;NbrExemplaire;Images;Isbn13;Pages;Date_parution;"
    "CodeBarres;IMP_CodeBarres;EmpNom;EmpPrenom;EmpClasse;NumEmprunteur;Empruntable;LieuRangement;Photo_rangement;"
    "Resume;Proprio;Mot_cle;Langue").split(u';');

using LibraryCopy = QMap<QString, QString>;

// Codes of every length and form: {Isbn10, Isbn13}.
const QList<QPair<QString, QString>> kCodes = {
    {"", ""}, {"", "7"}, {"", "1234"}, {"", "12345"}, {"", "123456789"}, {"", "207054090X"},
    {"2070540901", ""}, {"", "9782070540907"}, {"", "9791034724525"}, {"", "12345678901"}, {"", "123456789012"},
    {"", "97820705409X7"}, {"", "97820705409071"}, {"", "978-2-07-054090-7"}, {"X12", "9782070540907"}};
const QStringList kTitles = {"Le Petit Prince", "Élève ; école", "Tilde ~ entre", "Guillemets \"x\"", "Tab\tici",
                             "Œuvre «complète» des contes et légendes de la forêt d'Île-de-France"};

LibraryCopy fixtureCopy(int i)
{
    const int group = i / 3;  // three copies a title
    const auto& code = kCodes[i % kCodes.size()];
    const bool lent = i % 10 == 0;
    return {{"Titre", group % 97 == 0 ? QString() : kTitles[group % kTitles.size()] + QStringLiteral(" n°%1").arg(group)},
            {"Auteur", i % 7 == 0 ? QStringLiteral("Auteur très long, avec des prénoms à rallonge") : QStringLiteral("Jean-Loup \"Dupré\"")},
            {"Editeur", QStringLiteral("Éditions ; Gallimard")},
            {"Descripteur", i % 5 == 0 ? QString() : i % 2 ? QStringLiteral(".CONTE.LOUP") : QStringLiteral("CONTE~LOUP")},
            {"Isbn10", code.first}, {"Isbn13", code.second},
            {"Type", i % 4 == 0 ? QStringLiteral("DVD") : QStringLiteral("LIVRE")},
            {"Genre", i % 2 ? QStringLiteral("ROMAN") : QStringLiteral("BD")},
            {"MaxExemplaire", i % 3 == 2 ? QStringLiteral("True") : QStringLiteral("False")},
            {"NbrExemplaire", QString::number(i % 3 + 1)},
            {"Images", QStringLiteral("img%1.jpg").arg(i)}, {"Pages", QStringLiteral("32")},
            {"Date_parution", QStringLiteral("2001")}, {"CodeBarres", QStringLiteral("*C%1*").arg(i)},
            {"IMP_CodeBarres", i % 3 == 0 ? QStringLiteral("True") : QStringLiteral("False")},
            {"EmpNom", lent ? QStringLiteral("MARTIN") : QString()}, {"EmpPrenom", lent ? QStringLiteral("Léa") : QString()},
            {"EmpClasse", lent ? QStringLiteral("CM1") : QString()}, {"NumEmprunteur", lent ? QStringLiteral("5") : QStringLiteral("0")},
            {"Empruntable", i % 5 == 1 ? QStringLiteral("False") : QStringLiteral("True")},
            {"LieuRangement", QStringLiteral("Étagère B;2")}, {"Photo_rangement", QString()},
            {"Resume", QStringLiteral("Ligne 1\r\nLigne 2\ttab \"q\"")}, {"Proprio", QStringLiteral("École")},
            {"Mot_cle", QStringLiteral("=1+1")}, {"Langue", QStringLiteral("fr \"FR\"")}};
}

// ---- The reference: the rules as the file layout and the import state them. ----

int isbnDigit(const QString& s, int i) { return s[i].unicode() - u'0'; }
bool digitsOnly(const QString& s, int n)
{
    for (int i = 0; i < n; ++i)
        if (i >= s.size() || !s[i].isDigit())
            return false;
    return true;
}
QString eanCheck(const QString& twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += isbnDigit(twelve, i) * (i % 2 ? 3 : 1);
    return QString::number((10 - sum % 10) % 10);
}
std::optional<QString> to13(const QString& isbn10)
{
    if (!digitsOnly(isbn10, 9))
        return std::nullopt;
    const QString twelve = QStringLiteral("978") + isbn10.left(9);
    return twelve + eanCheck(twelve);
}
std::optional<QString> to10(const QString& isbn13)
{
    if (!digitsOnly(isbn13, 12))
        return std::nullopt;
    int sum = 0;
    for (int i = 3; i < 12; ++i)
        sum += (13 - i) * isbnDigit(isbn13, i);
    const int r = sum % 11;
    return isbn13.mid(3, 9) + (r == 0 ? QStringLiteral("0") : r == 1 ? QStringLiteral("X") : QString::number(11 - r));
}
std::optional<QString> eanFontText(const QString& code)
{
    if (!digitsOnly(code, 12))
        return std::nullopt;
    static const char* const parity[] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                         "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
    QString t = code.left(1);
    for (int i = 1; i <= 6; ++i)
        t += QChar((parity[isbnDigit(code, 0)][i - 1] == 'A' ? 'A' : 'K') + isbnDigit(code, i));
    t += u'*';
    for (int i = 7; i <= 11; ++i)
        t += QChar('a' + isbnDigit(code, i));
    return t + QChar('a' + isbnDigit(eanCheck(code.left(12)), 0)) + u'+';
}

QString cleaned(QString v)
{
    for (QChar& c : v)
        c = c.unicode() < 32 ? u' ' : c == u';' ? u'/' : c;
    return v;
}

// A copy as the source table held it when it was exported.
LibraryCopy imported(LibraryCopy c)
{
    // The export cleans each value.
    for (const QString& name : kLayout)
        c[name] = cleaned(c[name]);
    // The import.
    for (const QString& name : kLayout)
        if (name != u"Langue")
            c[name].replace(u'"', u' ');
    c["Titre"] = c["Titre"].left(60);
    c["Auteur"] = c["Auteur"].left(40);
    c["Editeur"] = c["Editeur"].left(40);
    c["Descripteur"] = c["Descripteur"].left(200);
    if (!c["Descripteur"].startsWith(u'.'))
        c["Descripteur"].prepend(u'.');
    c["Type"] = QStringLiteral("LIVRE");
    QString& isbn10 = c["Isbn10"];
    QString isbn13;
    for (QChar ch : c["Isbn13"])
        if (ch.isDigit() || ch == u'X')
            isbn13 += ch;
    if (isbn10.isEmpty() || isbn13.isEmpty()) {
        if (isbn13.size() == 13 && !isbn13.startsWith(QLatin1String("979")))
            isbn10 = to10(isbn13).value_or(isbn10);
        if (isbn10.size() == 10)
            isbn13 = to13(isbn10).value_or(isbn13);
    }
    if (isbn13.size() < 10)
        isbn13 = (QStringLiteral("00000") + isbn13).right(5);
    else if (isbn13.size() == 10)
        isbn13 = to13(isbn13).value_or(isbn13);
    c["Isbn13"] = isbn13;
    if (isbn13.size() == 13)
        c["CodeBarres"] = eanFontText(isbn13).value_or(c["CodeBarres"]);
    return c;
}

// Copies numbered 1, 2, 3 … within each title in file order, the last one marked.
void renumbered(QList<LibraryCopy>& copies)
{
    QMap<QString, QList<int>> byTitle;
    for (int i = 0; i < copies.size(); ++i)
        byTitle[copies[i]["Titre"]] << i;
    for (const QList<int>& group : byTitle) {
        for (int n = 0; n < group.size(); ++n) {
            copies[group[n]]["NbrExemplaire"] = QString::number(n + 1);
            copies[group[n]]["MaxExemplaire"] = n + 1 == group.size() ? QStringLiteral("Vrai") : QStringLiteral("Faux");
        }
    }
}

void fillLibrary(const ProgramFolder& program, int copies)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    db::BulkScope bulk(connection);
    const QString columns = kLayout.join(u',');
    const QString marks = QStringList(kLayout.size(), QStringLiteral("?")).join(u',');
    for (int i = 0; i < copies; ++i) {
        const LibraryCopy c = fixtureCopy(i);
        db::Params values;
        for (const QString& name : kLayout)
            values.add(c[name]);
        connection.execute(QStringLiteral("Insert into Table1 (%1) Values (%2)").arg(columns, marks), values);
    }
}

QStringList asRows(const QList<LibraryCopy>& copies)
{
    QStringList rows;
    for (const LibraryCopy& c : copies) {
        QStringList values;
        for (const QString& name : kLayout)
            values << c[name];
        rows << values.join(u'|');
    }
    return rows;
}

const QString kExport = QStringLiteral("answer OK\nanswer OK\nanswer OK\nmenu Outils > Exporter la bibliothèque\n");

TEST(ExchangeLibraryScenario, FiveThousandCopiesComeBackAsTheImportRulesSay)
{
    constexpr int kCopies = 5000;
    ProgramFolder source;
    fillLibrary(source, kCopies);
    const DriverResult exported = play(source, logInScript() + kExport);
    ASSERT_EQ(exported.exitCode, 0) << exported.joined().toStdString();
    ASSERT_EQ(exported.lines.filter("error:").size(), 0) << exported.joined().toStdString();
    // The export's repairs stay in the source: a title for the untitled, the book number as missing code.
    EXPECT_EQ(databaseRows(source, "Select * From Table1 WHERE numlivre = 1", {"Titre", "Isbn13"}),
              QStringList{"__LIVRE SANS TITRE ?|1"});
    const QStringList exportedRows =
        databaseRows(source, QStringLiteral("Select * From Table1 ORDER BY numlivre"), kLayout);

    ProgramFolder target;
    target.write(QStringLiteral("Bibliotheque.csv"), source.read(QStringLiteral("Bibliotheque.csv")));
    const DriverResult run = play(target, logInScript() + libraryImportScript(target.folder("Bibliotheque.csv")));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    ASSERT_EQ(run.lines.filter("error:").size(), 0) << run.joined().toStdString();
    EXPECT_TRUE(run.joined().contains(QStringLiteral("%1 livre(s) ajouté(s), 0 ligne(s) ignorée(s)").arg(kCopies)))
        << run.joined().toStdString();

    QList<LibraryCopy> expected;
    for (const QString& row : exportedRows) {
        const QStringList values = row.split(u'|');
        LibraryCopy c;
        for (int i = 0; i < kLayout.size(); ++i)
            c[kLayout[i]] = values[i];
        expected << imported(c);
    }
    renumbered(expected);
    const QStringList stored = databaseRows(target, QStringLiteral("Select * From Table1 ORDER BY numlivre"), kLayout);
    const QStringList wanted = asRows(expected);
    ASSERT_EQ(stored.size(), wanted.size());
    for (int i = 0; i < stored.size(); ++i)
        ASSERT_EQ(stored[i], wanted[i]) << "copy " << i;
}

TEST(ExchangeLibraryScenario, AFileOfAnotherLayoutAddsNothing)
{
    ProgramFolder program;
    program.write(QStringLiteral("autre.csv"), "Titre;Auteur \r\nA;B\r\n");
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "answer OK\nanswer OK\nanswer OK\nanswer OK\nanswer %1\nanswer OK\nanswer OK\nanswer OK\nanswer OK\n"
        "menu Outils > Importer une bibliothèque\n").arg(program.folder("autre.csv")));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.joined().contains(QStringLiteral("n'est pas l'en-tête attendu"))) << run.joined().toStdString();
    EXPECT_TRUE(storedColumn(program, "Select * From Table1", "Titre").isEmpty());
}

}  // namespace
