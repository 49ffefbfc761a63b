// The library import run through its menu on a school that already has books: codes that this
// school gives its own books are not taken over, control characters of the file are blanks, and
// the import killed at random moments (kill -9: a crash, a power cut) leaves the library as it
// was or with every copy imported, coded and numbered, never a part of it.
#include "tests/exchange/ExchangeWindowFixture.h"

#include "ColumnValues.h"
#include "app/BackupCsvExport.h"
#include "platform/db/Connection.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/DialogService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kImportedTitles = 1000;  // three copies each
constexpr int kTitlesPerClash = 100;   // one title in a hundred carries this school's code 00012

QString eanWithCheck(const QString& twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelve[i].unicode() - u'0') * (i % 2 ? 3 : 1);
    return twelve + QString::number((10 - sum % 10) % 10);
}

// The export of another school: its own internal codes "12" and "7" among ISBNs, a NUL inside
// some authors.
QByteArray otherSchoolsExport()
{
    const QStringList columns = app::backupCsvHeader().split(u';');
    QString text = app::backupCsvHeader() + QStringLiteral("\r\n");
    for (int g = 0; g < kImportedTitles; ++g) {
        for (int copy = 0; copy < 3; ++copy) {
            QMap<QString, QString> v;
            v["Titre"] = g % kTitlesPerClash == 1 ? QStringLiteral("Babar") : QStringLiteral("Titre %1").arg(g);
            v["Isbn13"] = g % kTitlesPerClash == 0   ? QStringLiteral("12")
                          : g % kTitlesPerClash == 1 ? QStringLiteral("7")
                                                     : eanWithCheck(QStringLiteral("978207%1").arg(g, 6, 10, QChar(u'0')));
            v["Auteur"] = g % 7 == 0 ? QStringLiteral("Jean") + QChar(0) + QStringLiteral("Dupont") : QStringLiteral("Anne");
            QStringList line;
            for (const QString& c : columns)
                line << v.value(c);
            text += line.join(u';') + QStringLiteral("\r\n");
        }
    }
    return text::encodeWindows1252(text);
}

class LibraryImportWhole : public ExchangeWindow {
protected:
    void SetUp() override
    {
        startLoggedIn();
        sql(QStringLiteral("Insert into Table1 (Titre,Isbn13,CodeBarres,Type,NbrExemplaire,MaxExemplaire) "
                           "Values ('Le loup','00012','*00012*','LIVRE',1,True)"));
        sql(QStringLiteral("Insert into Table1 (Titre,Isbn13,CodeBarres,Type,NbrExemplaire,MaxExemplaire) "
                           "Values ('Babar','00007','*00007*','LIVRE',1,True)"));
        QFile file(files::nativePath(frm().AppDir + QStringLiteral("Bibliotheque.csv")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(otherSchoolsExport());
    }
    void importThroughTheMenu()
    {
        for (const QString& answer : {QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK"),
                                      QStringLiteral("OK"), frm().AppDir + QStringLiteral("Bibliotheque.csv"),
                                      QStringLiteral("OK"), QStringLiteral("OK")})
            dialogs.answer(answer);
        input.menu(QStringLiteral("Outils > Importer une bibliothèque"));
    }
    // Every field of every copy, read by a connection of its own.
    QStringList library()
    {
        db::Connection reader(frm().db.ADOConnection1.connectionString(),
                              [](const QString& p) { return files::nativePath(p); });
        return rowValues(reader, QStringLiteral("Select * From Table1 ORDER BY numlivre"),
                         QStringList{QStringLiteral("NumLivre")} + app::backupCsvHeader().split(u';'));
    }
};

TEST_F(LibraryImportWhole, TitlesCarryingThisSchoolsCodesGetFreshOnesAndAreCounted)
{
    importThroughTheMenu();
    EXPECT_TRUE(dialogs.log().back().text.contains(QStringLiteral("3000 livre(s) ajouté(s), 0 ligne(s) ignorée(s), "
                                                                  "30 livre(s) recodé(s)")))
        << dialogs.log().back().text.toStdString();

    // This school's books keep their codes; no other title takes "00012".
    EXPECT_EQ(column(QStringLiteral("Select * From Table1 WHERE Isbn13 = '00012'"), "Titre"), QStringList{"Le loup"});
    // Copies of this school's own title keep its code.
    EXPECT_EQ(column(QStringLiteral("Select * From Table1 WHERE Isbn13 = '00007'"), "Titre").size(), 1 + 3 * 10);
    // The copies of one clashing title share one fresh code: the first copy's book number.
    for (int g = 0; g < kImportedTitles; g += kTitlesPerClash) {
        const QString title = QStringLiteral("Titre %1").arg(g);
        const QStringList numbers =
            column(QStringLiteral("Select * From Table1 WHERE Titre = ? ORDER BY numlivre"), "NumLivre", {title});
        ASSERT_EQ(numbers.size(), 3) << title.toStdString();
        const QString fresh = numbers.first().rightJustified(5, u'0');
        EXPECT_EQ(column(QStringLiteral("Select * From Table1 WHERE Titre = ?"), "Isbn13", {title}),
                  QStringList(3, fresh));
        EXPECT_EQ(column(QStringLiteral("Select * From Table1 WHERE Titre = ?"), "CodeBarres", {title}),
                  QStringList(3, u'*' + fresh + u'*'));
    }
    EXPECT_EQ(column(QStringLiteral("Select * From Table1 WHERE Titre = 'Titre 7' ORDER BY numlivre"), "Auteur"),
              QStringList(3, QStringLiteral("Jean Dupont")));
}

TEST_F(LibraryImportWhole, KilledAtAnyMomentTheImportLeavesAllOrNothing)
{
    const QStringList before = library();
    const QString database = frm().db.ADOConnection1.nativePath();
    QFile original(database);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray untouched = original.readAll();
    original.close();
    const auto restore = [&] {
        QFile::remove(database + QStringLiteral("-journal"));
        QFile copy(database);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
        copy.write(untouched);
    };
    // The import in a child process of its own; the parent's connection is closed so that only
    // the child holds the file.
    const auto startImport = [&] {
        frm().db.ADOConnection1.close();
        const pid_t child = fork();
        if (child == 0) {
            importThroughTheMenu();
            _exit(0);
        }
        return child;
    };

    QElapsedTimer timer;
    timer.start();
    const pid_t whole = startImport();
    ASSERT_GT(whole, 0);
    int status = 0;
    waitpid(whole, &status, 0);
    const qint64 importMs = timer.elapsed();
    ASSERT_TRUE(WIFEXITED(status));
    const QStringList after = library();
    ASSERT_EQ(after.size(), before.size() + 3 * kImportedTitles);

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator moments(seed);
    int killedWhileRunning = 0;
    for (int kill = 0; kill < 20; ++kill) {
        restore();
        const qint64 delayUs = qint64(moments.bounded(quint32(importMs * 1000)));
        const pid_t child = startImport();
        ASSERT_GT(child, 0);
        usleep(useconds_t(delayUs));
        ::kill(child, SIGKILL);
        waitpid(child, &status, 0);
        killedWhileRunning += WIFSIGNALED(status) ? 1 : 0;
        const QStringList found = library();
        EXPECT_TRUE(found == before || found == after)
            << "seed " << seed << ", kill after " << delayUs << " µs: " << found.size() << " copies";
    }
    RecordProperty("killed_while_running", killedWhileRunning);
}

}  // namespace
