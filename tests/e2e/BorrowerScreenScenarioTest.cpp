// The borrower screen over the school's 600 pupils: a pupil added by hand, his mail filled in
// through the data-aware field and the navigator, then deleted; a pupil's photo on show; and a
// pupil who still holds a book, whom the navigator's delete leaves in place with a message.
#include "DriverRun.h"

#include "platform/db/Connection.h"
#include "tools/bench/Borrowers.h"
#include "tools/bench/Catalogue.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QColor kBorrowerPhotoColour(200, 30, 40);

// The navigator's buttons share its 332 pixels in this order; a click in the middle of one, from
// the window's outer corner (client area at 8, 50; the screen's panel at 5, 44 in it; the
// navigator at 372, 272 in the panel).
QString clickBorrowerNavigator(int index)
{
    const int width = 332 / 8;
    return QStringLiteral("clickat %1 %2\n").arg(8 + 5 + 372 + index * width + width / 2).arg(50 + 44 + 272 + 15);
}
const int kNavigatorPost = 5;
const int kNavigatorDelete = 3;

QStringList borrowerRows(const ProgramFolder& program)
{
    return databaseRows(program, QStringLiteral("SELECT * FROM Emprunteurs ORDER BY NumEmprunteur"),
                        {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "Mail"});
}

}  // namespace

TEST(BorrowerScreenScenario, APupilIsAddedEditedAndDeletedAndOneHoldingABookStays)
{
    ProgramFolder program;
    const QString database = program.folder(QStringLiteral("Test1.bib"));
    bench::addCatalogueCopies(database, 20);
    bench::addBorrowers(database);
    {
        db::Connection c(QStringLiteral("Data Source=") + database);
        c.execute(QStringLiteral("UPDATE Table1 SET EmpNom ='%1',EmpPrenom='%2',NumEmprunteur=2 WHERE NumLivre =5")
                      .arg(bench::borrowerSurname(2), bench::borrowerFirstName(2)));
    }
    QImage photo(120, 90, QImage::Format_RGB32);
    photo.fill(kBorrowerPhotoColour);
    ASSERT_TRUE(photo.save(program.folder(QStringLiteral("Photo_emprunteur/%1_%2.jpg")
                                              .arg(bench::borrowerSurname(1), bench::borrowerFirstName(1))),
                           "JPG"));
    const QStringList before = borrowerRows(program);
    const QString screenshot = program.drive(QStringLiteral("borrowers.png"));
    const QString refusal = QStringLiteral("%1 %2 a encore 1 livre(s) à rendre : il ne peut pas être supprimé avant "
                                           "leur retour.")
                                .arg(bench::borrowerFirstName(2), bench::borrowerSurname(2));

    const DriverResult run = play(
        program,
        logInScript() + QStringLiteral("click ToolButton7\nexpect-focus Edit9\nexpect-text DBEdit22 %1\nscreenshot %2\n")
                            .arg(bench::borrowerSurname(1), screenshot) +
            // Added by hand.
            QStringLiteral("type dupont\nclick Edit11\ntype Jean\nclick Edit13\ntype CM1\nclick Button4\n"
                           "expect-text DBEdit22 DUPONT\nexpect-text DBEdit25 601\nexpect-text Edit9\nexpect-text Edit13 CM1\n") +
            // His mail typed into the data-aware field and posted.
            QStringLiteral("click DBEdit41\ntype famille.dupont@example.org\n") + clickBorrowerNavigator(kNavigatorPost) +
            QStringLiteral("expect-text DBEdit41 famille.dupont@example.org\n") +
            // Deleted after the question.
            QStringLiteral("answer OK\n") + clickBorrowerNavigator(kNavigatorDelete) +
            // The second pupil holds a book: the delete is refused.
            clickBorrowerNavigator(0) +
            QStringLiteral("click Button16\nexpect-text DBEdit25 2\nanswer OK\n") + clickBorrowerNavigator(kNavigatorDelete) +
            QStringLiteral("expect-text DBEdit25 2\n"),
        {QStringLiteral("--render")});

    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("screen: Panel2"))) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("dialog: Confirmation | Supprimer l'enregistrement ? | OK,Annuler"))) << run.joined().toStdString();
    EXPECT_TRUE(run.joined().contains(refusal)) << run.joined().toStdString();
    EXPECT_EQ(borrowerRows(program), before);

    // The first pupil's photo fills the photo box (at 740, 56 of the screen, 300 x 230).
    const QImage window(screenshot);
    ASSERT_FALSE(window.isNull());
    const QColor shown = window.pixelColor(8 + 5 + 740 + 150, 50 + 44 + 56 + 115);
    EXPECT_LT(std::abs(shown.red() - kBorrowerPhotoColour.red()) + std::abs(shown.green() - kBorrowerPhotoColour.green()) +
                  std::abs(shown.blue() - kBorrowerPhotoColour.blue()),
              40)
        << shown.name().toStdString();
}
