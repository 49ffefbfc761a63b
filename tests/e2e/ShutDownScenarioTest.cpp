// Each way out of the program on a catalogue leaves the day's copy of the database, sound and
// whole; closing the window also leaves its ZIP archive. Untitled books go at the close, books
// titled "@" stay.
#include "DatabaseCopyCheck.h"
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "tools/bench/Catalogue.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

constexpr int kShutDownCatalogue = 3000;

void addCatalogue(const ProgramFolder& program)
{
    bench::addCatalogueCopies(program.folder(QStringLiteral("Test1.bib")), kShutDownCatalogue);
    files::setProgramFolder(program.folder());
    db::Connection c(app::buildConnectionString(files::appDir()), [](const QString& p) { return files::nativePath(p); });
    c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13) VALUES ('', '9782070612758')"));
    c.execute(QStringLiteral("INSERT INTO Table1 (Isbn13) VALUES ('9782070612758')"));
    c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13) VALUES ('@', '9782070612758')"));
}

QString backupDay() { return QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")); }

}  // namespace

TEST(ShutDownScenario, EveryWayOutLeavesTheDaysCopy)
{
    struct Way { const char* name; const char* script; bool purges; bool archive; };
    const Way ways[] = {
        {"close", "answer OK\nquit\n", true, true},
        {"Quitter", "answer OK\nanswer OK\nmenu Fichier > Quitter\n", true, false},
        // The last answer is for the image bank's message.
        {"Pour quitter", "answer Cancel\nanswer OK\nanswer OK\nclick ToolButton9\n", false, false},
    };
    for (const Way& way : ways) {
        ProgramFolder program;
        addCatalogue(program);
        const DriverResult run = play(program, logInScript() + QString::fromLatin1(way.script));
        EXPECT_EQ(run.exitCode, 0) << way.name << "\n" << run.joined().toStdString();
        EXPECT_TRUE(run.has(QStringLiteral("exit"))) << way.name;

        const QString base = program.drive(QStringLiteral("Sauvegardes_journalieres/Test1_") + backupDay());
        const DatabaseCopy copy = checkDatabaseCopy(base + QStringLiteral("_.bib"));
        EXPECT_EQ(copy.integrity, "ok") << way.name;
        EXPECT_EQ(copy.titles.size(), kShutDownCatalogue + (way.purges ? 1 : 3)) << way.name;
        EXPECT_EQ(copy.titles.count(QStringLiteral("@")), 1) << way.name;
        EXPECT_EQ(copy.titles.count(QString()), way.purges ? 0 : 2) << way.name;
        if (way.archive) {
            const ZipArchiveCheck zip = checkZipArchive(base + QStringLiteral("_.ZIP"));
            EXPECT_TRUE(zip.tested);
            EXPECT_EQ(zip.members, QStringList{QStringLiteral("Test1_") + backupDay() + QStringLiteral("_.bib")});
        }
    }
}
