// A librarian enters the issues of a periodical: its code scanned, the issue number typed into the
// issue panel, the title typed once; the next issue scanned finds the title already known.
#include "DriverRun.h"
#include "tests/web/sharedbase/SharedBaseServers.h"

#include "platform/text/Windows1252.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kPressCode = QStringLiteral("3791234567892");

// The dialogs shown once the book screen was open.
qsizetype messagesOnTheBookScreen(const DriverResult& run)
{
    const qsizetype opened = run.lines.indexOf(QStringLiteral("screen: Panel4"));
    return opened < 0 ? -1 : run.lines.mid(opened).filter(QStringLiteral("dialog: ")).size();
}

}  // namespace

TEST(PeriodicalIssueScenario, EachIssueIsSavedUnderTheCodeWithItsNumber)
{
    ProgramFolder program;
    DriverResult run = play(program, logInScript() + QStringLiteral("answer OK\n"
                                                                    "scan %1\n"
                                                                    "expect-visible NumJourno\n"
                                                                    "expect-focus Edit97\n"
                                                                    "expect-text Edit10 %1\n"
                                                                    "type 7\n"
                                                                    "click Button90\n"
                                                                    "expect-hidden NumJourno\n"
                                                                    "expect-text Edit97 00007\n"
                                                                    "expect-text Edit2 *00007*\n"
                                                                    "expect-focus Edit4\n"
                                                                    "type Le Journal des enfants\n"
                                                                    "click SpeedButton20\n")
                                                                   .arg(kPressCode));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    // The catalogue did not know the periodical yet: a message says so.
    EXPECT_EQ(messagesOnTheBookScreen(run), 1) << run.joined().toStdString();

    run = play(program, logInScript() + QStringLiteral("scan %1\n"
                                                       "expect-visible NumJourno\n"
                                                       "expect-text Edit4 Le Journal des enfants\n"
                                                       "expect-text Label183 1\n"
                                                       "type 12a\n"
                                                       "click Button90\n"
                                                       "expect-text Edit2 *00012*\n"
                                                       "click SpeedButton20\n")
                                                      .arg(kPressCode));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(messagesOnTheBookScreen(run), 0) << run.joined().toStdString();

    EXPECT_EQ(databaseRows(program, QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"),
                           {"Isbn13", "Isbn10", "Titre", "Images", "CodeBarres"}),
              (QStringList{kPressCode + "|*00007*|Le Journal des enfants|" + kPressCode + "_00007.jpg|*00007*",
                           kPressCode + "|*00012*|Le Journal des enfants|" + kPressCode + "_00012.jpg|*00012*"}));
}

// An issue the shared base knows: its descriptors and type show on the Compléments tab, whose
// row (another copy) keeps its own.
TEST(PeriodicalIssueScenario, TheSharedBaseRecordShowsItsDescriptorsAndType)
{
    SharedBaseServers base;
    ProgramFolder program;
    ASSERT_EQ(play(program, logInScript() + QStringLiteral("answer OK\nquit\n")).exitCode, 0);
    QString settings = text::decodeWindows1252(program.read(QStringLiteral("Fichier.ini")));
    settings.remove(QRegularExpression(QStringLiteral("\\[Hebergeur\\][^\\[]*")));
    settings.replace(QRegularExpression(QStringLiteral("(?m)^Qvlbool=.*$")), QStringLiteral("Qvlbool=1"));
    program.write(QStringLiteral("Fichier.ini"), text::encodeWindows1252(settings) + "\r\n" + base.settingsSection());
    base.write(QStringLiteral("livres/3791234/%1_00007.txt").arg(kPressCode),
               QStringLiteral("Le Journal des enfants;%1;;Milan;;;;.PRESSE.ANIMAUX;PERIODIQUE;Presse;;;;;").arg(kPressCode).toLatin1());

    const DriverResult run = play(program, logInScript() + QStringLiteral("answer OK\n"
                                                                          "scan %1\n"
                                                                          "expect-visible NumJourno\n"
                                                                          "type 7\n"
                                                                          "click Button90\n"
                                                                          "expect-text Edit4 Le Journal des enfants\n"
                                                                          "expect-text DBEdit29 .PRESSE.ANIMAUX\n"
                                                                          "expect-text DBComboBox7 PERIODIQUE\n"
                                                                          "click SpeedButton20\n")
                                                             .arg(kPressCode));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    // The issue is saved with its own values; no other row was written.
    EXPECT_EQ(databaseRows(program, QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"), {"Isbn13", "Titre", "Editeur"}),
              QStringList{kPressCode + "|Le Journal des enfants|Milan"});
}
