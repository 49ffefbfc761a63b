// A librarian with a flatbed scanner (SANE's test scanner): a new book's cover scanned from the
// book screen, a pupil photographed on the borrower screen, a scan given up in the scanner's
// dialog, a morning without scanner, and card pictures for a whole school.
#include "DriverRun.h"

#include "tools/bench/Borrowers.h"
#include "tools/bench/SaneTestBackend.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QSize scanPictureSize(const ProgramFolder& program, const QString& relative)
{
    return QImage(program.folder(relative)).size();
}

QString borrowerScreenScript(const QString& answers)
{
    return logInScript() + QStringLiteral("click ToolButton7\n") + answers + QStringLiteral("click Image10\n");
}

}  // namespace

// The pointer going onto the scanner icon brings "Scanner" under it, which takes the click.
TEST(ScanScenario, ANewBooksCoverIsScannedWithTheScannersDialogAndShown)
{
    SaneTestBackend sane;
    ProgramFolder program;
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "click SpeedButton18\n"
        "type Mon premier album\n"
        "click Edit10\n"
        "type 123\n"
        "answer Numériser\n"
        "answer OK\n"
        "click Image8\n"
        "expect-text Edit10 00123\n"
        "expect-text Edit61 00123.jpg\n"));
    EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("dialog: Noname frontend-tester (test:0) | ScanOptions | Numériser,Annuler")))
        << run.joined().toStdString();
    EXPECT_EQ(scanPictureSize(program, QStringLiteral("livres/Jaquettes/00123.jpg")), QSize(399, 499));
}

TEST(ScanScenario, APupilsPhotoIsTakenAndRecordedOrGivenUpWithoutTrace)
{
    struct Case {
        const char* what;
        bool scanner;
        const char* answers;
        bool stored;
    };
    const Case cases[] = {
        {"scanned", true, "answer Numériser\nanswer OK\n", true},
        {"scanner's dialog cancelled", true, "answer Annuler\nanswer OK\n", false},
        {"no scanner", false, "answer OK\nanswer OK\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<SaneTestBackend> sane = c.scanner ? std::make_unique<SaneTestBackend>()
                                                         : std::make_unique<SaneTestBackend>(SaneTestBackend::NoScanner{});
        ProgramFolder program;
        bench::addBorrowers(program.folder(QStringLiteral("Test1.bib")), 2);
        const DriverResult run = play(program, borrowerScreenScript(QString::fromUtf8(c.answers)));
        EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
        const QString photo = QStringLiteral("Photo_emprunteur/") + bench::borrowerSurname(1) + u'_' +
                              bench::borrowerFirstName(1) + QStringLiteral(".jpg");
        const QStringList names =
            storedColumn(program, QStringLiteral("SELECT * FROM Emprunteurs ORDER BY NumEmprunteur"), QStringLiteral("NimImage"));
        if (c.stored) {
            EXPECT_TRUE(run.has(QStringLiteral("dialog: QvlZantor | 1scanner | OK"))) << run.joined().toStdString();
            EXPECT_EQ(scanPictureSize(program, photo), QSize(192, 240));
            EXPECT_EQ(names, (QStringList{bench::borrowerSurname(1) + u'_' + bench::borrowerFirstName(1) + ".jpg", QString()}));
        } else {
            EXPECT_TRUE(run.has(QStringLiteral("dialog: QvlZantor | 0pas de scanner | OK"))) << run.joined().toStdString();
            EXPECT_FALSE(QFile::exists(program.folder(photo)));
            EXPECT_EQ(names, (QStringList{QString(), QString()}));
        }
        if (!c.scanner) {
            EXPECT_TRUE(run.has(QStringLiteral("dialog: TWAIN Error | TWAIN_ReportLastError: an error occurred | OK")))
                << run.joined().toStdString();
        }
    }
}

TEST(ScanScenario, EveryPupilOfTheSchoolGetsACardPicture)
{
    ProgramFolder program;
    bench::addBorrowers(program.folder(QStringLiteral("Test1.bib")));
    QDir().mkpath(program.folder(QStringLiteral("Cartes")));
    const QString cards = QStringLiteral(QVL_PROGRAM_DIR) + QStringLiteral("/Cartes");
    for (const QString& card : QDir(cards).entryList({QStringLiteral("*.jpg")}, QDir::Files))
        QFile::copy(cards + u'/' + card, program.folder(QStringLiteral("Cartes/")) + card);
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "click ToolButton7\n"
        "answer No\n"
        "answer OK\n"
        "answer OK\n"
        "answer OK\n"
        "click Button79\n"));
    EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
    int withPicture = 0;
    for (int n = 1; n <= bench::kBorrowers; ++n)
        withPicture += QImage(program.folder(QStringLiteral("Photo_emprunteur/") + bench::borrowerSurname(n) + u'_' +
                                             bench::borrowerFirstName(n) + QStringLiteral(".jpg")))
                           .size() == QSize(320, 240);
    EXPECT_EQ(withPicture, bench::kBorrowers);
}
