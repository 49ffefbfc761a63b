// "&Restauration" copies a backup's covers into the program folder; "&Sauvegarde" copies the
// database into a chosen folder; a cancelled folder choice changes nothing.
#include "DatabaseCopyCheck.h"
#include "AdministratorWindowFixture.h"

#include "app/BackupCommands.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class BackupCommandsTest : public AdministratorWindowTest {
protected:
    app::TFrmPrin& startAsAdministrator()
    {
        return AdministratorWindowTest::startAsAdministrator([](app::TFrmPrin& f) { f.addPart<app::BackupCommands>(f); });
    }
    // OK to the first box, the folder as the folder dialog gives it, OK to the two boxes after.
    void answerFolder(const QString& nativeFolder)
    {
        dialogs.answer("OK");
        dialogs.answer(ui::DialogAnswer::text(files::windowsPath(nativeFolder)));
        dialogs.answer("OK");
        dialogs.answer("OK");
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

}  // namespace

TEST_F(BackupCommandsTest, RestaurationCopiesTheChosenBackupsCovers)
{
    QTemporaryDir backup;
    writeFile(backup.filePath("livres/Jaquettes/9782070612758.jpg"), "cover");
    app::TFrmPrin& w = startAsAdministrator();
    answerFolder(backup.path());
    input.menu(QStringLiteral("Outils > Restauration"));

    EXPECT_EQ(program.read("livres/Jaquettes/9782070612758.jpg"), "cover");
    const QStringList texts = dialogTexts();
    // The folder dialog, with no folder to start from, stands between the first two.
    EXPECT_EQ(texts.mid(texts.size() - 4),
              QStringList({w.tables.message(145), "", program.drive("Qvlzantor"), w.tables.message(146)}));
}

TEST_F(BackupCommandsTest, ACancelledFolderChoiceChangesNothing)
{
    app::TFrmPrin& w = startAsAdministrator();
    w.db.ADOTable1.open();
    for (const char* menu : {"Outils > Restauration", "Outils > Sauvegarde"}) {
        dialogs.answer("OK");
        dialogs.answer(ui::DialogAnswer::cancel());
        input.menu(QString::fromLatin1(menu));
        EXPECT_TRUE(w.db.ADOTable1.active()) << menu;
    }
    const QStringList texts = dialogTexts();
    EXPECT_EQ(texts[texts.size() - 2], w.tables.message(155));
}

TEST_F(BackupCommandsTest, SauvegardeCopiesTheDatabaseIntoTheChosenFolder)
{
    QTemporaryDir target;
    app::TFrmPrin& w = startAsAdministrator();
    w.db.ADOConnection1.execute("INSERT INTO Table1 (Titre) VALUES ('Alice')");
    answerFolder(target.path());
    input.menu(QStringLiteral("Outils > Sauvegarde"));

    const DatabaseCopy copy = checkDatabaseCopy(target.filePath("test1.bib"));
    EXPECT_EQ(copy.integrity, "ok");
    EXPECT_EQ(copy.titles, QStringList{"Alice"});
    EXPECT_EQ(dialogTexts().last(), target.filePath("test1.bib"));
}
