// The statistics screen on a journal of known loans: the counts it shows, its rankings, the
// ranked loans it leaves in Sortie.csv, and the loan counters it brings to five digits.
#include "tests/exchange/ExchangeWindowFixture.h"

#include "tests/exchange/PageText.h"

#include "app/Journal.h"
#include "exchange/LoanRanking.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/ComboBox.h"

#include <QFile>

namespace {

const QDate kDay(2025, 11, 3);

QString loan(const QString& code, const QString& title, const QString& className, const QString& genre)
{
    return journal::loanLine(kDay, code, title, QString(), QStringLiteral("Auteur"), QStringLiteral("NOM"),
                             QStringLiteral("Léa"), className, 1, genre);
}

TEST(LoanRanking, CodesAreReadAtTheirPlaceAndRankedByLoans)
{
    const QString a = loan(QStringLiteral("9782070540907"), QStringLiteral("Loup"), QStringLiteral("CE1"), QStringLiteral("BD"));
    const QString b = loan(QStringLiteral("00042"), QStringLiteral("Ours"), QStringLiteral("CE1B"), QStringLiteral("ROMAN"));
    EXPECT_EQ(exchange::loanCode(a), QStringLiteral("9782070540907"));
    EXPECT_EQ(exchange::loanCode(b), QStringLiteral("00042"));
    EXPECT_EQ(exchange::loanTitle(a), QStringLiteral("Loup []"));
    EXPECT_EQ(exchange::loanTitle(b), QStringLiteral("Ours []"));
    EXPECT_EQ(exchange::loanCode(QStringLiteral("Sortie;03/11/2025;")), QString());
    // A five-digit code whose title field has seven characters: the ";" at position 32 is the title's end.
    EXPECT_EQ(exchange::loanCode(QStringLiteral("Sortie;03/11/2025;00042;Ours [];A")), QStringLiteral("00042"));
    EXPECT_TRUE(exchange::inClass(b, QStringLiteral("CE1")));
    EXPECT_FALSE(exchange::inClass(b, QString()));

    const std::vector<exchange::RankedLoan> ranked = exchange::rankByCode({b, a, b, a, b});
    ASSERT_EQ(ranked.size(), 2u);
    EXPECT_EQ(ranked[0].count, 3);
    EXPECT_EQ(exchange::loanCode(ranked[0].line), QStringLiteral("00042"));
    EXPECT_EQ(ranked[1].count, 2);

    int merged = 0;
    const auto byText = exchange::rankByText({exchange::loanText(a), QStringLiteral(";sans code"), exchange::loanText(a)}, &merged);
    ASSERT_EQ(byText.size(), 1u);
    EXPECT_EQ(byText[0].count, 2);
    EXPECT_EQ(merged, 2);
}

class Statistics : public ExchangeWindow {
protected:
    void writeJournal(const QStringList& lines)
    {
        program.write(QStringLiteral("Journal.csv"),
                      text::encodeWindows1252(QStringLiteral("Evenement;Date;Code;Titre\r\n") + lines.join(QStringLiteral("\r\n"))));
    }
    ParsedPage statPage()
    {
        QFile f(files::nativePath(frm().AppDir + QStringLiteral("Stat.html")));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return ParsedPage(text::decodeWindows1252(f.readAll()));
    }
    void choose(const char* box, const QString& text) { frm().get<ui::ComboBox>(QString::fromLatin1(box)).setText(text); }
};

TEST_F(Statistics, GeneralAndClassPagesShowTheJournalsCounts)
{
    const QString loup = QStringLiteral("9782070540907"), ours = QStringLiteral("00042");
    writeJournal({loan(loup, "Loup", "CE1", "BD"), QStringLiteral("Retour;03/11/2025;x"), loan(ours, "Ours", "CE1B", "ROMAN"),
                  loan(loup, "Loup", "CM2", "BD"), loan(ours, "Ours", "CE1", "ROMAN"), loan(ours, "Ours", "CE1", "ROMAN")});
    startLoggedIn();
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,Classe) Values ('A','CM2')"));
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,Classe) Values ('B','CE1')"));
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,Classe) Values ('C','CE1')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Genre,NbreFoisEmprunte,Images) Values ('<Loup>','LIVRE','BD','7','l.jpg')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Genre,NbreFoisEmprunte) Values ('Ours','LIVRE','ROMAN','123456')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Genre,NbreFoisEmprunte) Values ('Film','DVD','BD','12')"));

    input.menu(QStringLiteral("Outils > Eléments statistiques"));
    input.menu(QStringLiteral("Outils > Eléments statistiques"));
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox13")).items(), (QStringList{"CE1", "CM2"}));
    EXPECT_EQ(text("ComboBox5"), QString());
    EXPECT_EQ(column(QStringLiteral("Select * From Table1 ORDER BY numlivre"), "NbreFoisEmprunte"),
              (QStringList{"00007", "123456", "00012"}));

    choose("ComboBox5", QStringLiteral("CE1"));
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("SpeedButton45"));
    const ParsedPage general = statPage();
    EXPECT_TRUE(general.paragraphs().contains(QStringLiteral("2 LIVRES")));
    EXPECT_TRUE(general.paragraphs().contains(QStringLiteral("5 : TOTAL DES LIVRES EMPRUNTES")));
    EXPECT_TRUE(general.paragraphs().contains(QStringLiteral("4 LIVRES EMPRUNTES DANS LA CLASSE CE1")));
    const QString pageText = general.rows().join(u'|');
    EXPECT_TRUE(pageText.contains(QStringLiteral("<Loup>")));
    EXPECT_TRUE(pageText.contains(QStringLiteral("Ours [] Empruntés 3 fois")));
    EXPECT_TRUE(pageText.contains(QStringLiteral("Loup [] Empruntés 1 fois")));

    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton46"));
    EXPECT_EQ(dialogTexts().last(), QStringLiteral("4"));
    EXPECT_EQ(fileLines(QStringLiteral("Sortie.csv")),
              (QStringList{"003@00042;Ours [];Auteur;NOM;Léa;CE1;1;ROMAN", "001@9782070540907;Loup [];Auteur;NOM;Léa;CE1;1;BD",
                           "", ""}));
    EXPECT_TRUE(statPage().rows().join(u'|').contains(QStringLiteral("Ours [] Genre : ROMAN Empruntés 003 fois")));
}

TEST_F(Statistics, AJournalOfItsHeaderOnlyCountsNothing)
{
    writeJournal({});
    startLoggedIn();
    input.menu(QStringLiteral("Outils > Eléments statistiques"));
    choose("ComboBox5", QStringLiteral("CE1"));
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("SpeedButton45"));
    EXPECT_TRUE(statPage().paragraphs().contains(QStringLiteral("0 : TOTAL DES LIVRES EMPRUNTES")));
    EXPECT_TRUE(statPage().paragraphs().contains(QStringLiteral("0 LIVRES EMPRUNTES DANS LA CLASSE CE1")));
}

}  // namespace
