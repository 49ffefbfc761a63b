#include "app/LanguageChooser.h"
#include "app/SettingsFile.h"

#include "tests/platform/files/ProgramFolderFixture.h"

using namespace app;

using LanguageChooserTest = ProgramFolderTest;

TEST_F(LanguageChooserTest, ListsLanguageFilesButNotTipsFiles)
{
    for (const char* name : {"francais.txt", "info_francais.txt", "Info_english.txt", "english.txt", "Deutsch.TXT",
                             "notes.doc"})
        makeFile(QStringLiteral("Qvlzantor/Languages/") + name);
    QDir().mkpath(drive("Qvlzantor/Languages/dossier.txt"));
    SettingsFile settings;
    LanguageChooser chooser(settings, "francais.txt");
    EXPECT_EQ(chooser.fileNames(), (QStringList{"Deutsch.TXT", "english.txt", "francais.txt"}));
}

TEST_F(LanguageChooserTest, AcceptStoresOnlyTxtNamesIntoAnExistingFile)
{
    SettingsFile settings;
    LanguageChooser chooser(settings, "francais.txt");
    EXPECT_FALSE(chooser.accept("english.txt"));  // no settings file: nothing happens
    EXPECT_FALSE(settings.exists());

    ASSERT_TRUE(settings.createFirstRun());
    EXPECT_EQ(chooser.labelText(), "Language francais.txt");
    EXPECT_FALSE(chooser.accept("Deutsch.TXT"));  // the extension test is case-sensitive
    EXPECT_FALSE(chooser.accept(""));
    EXPECT_EQ(chooser.accept("english.txt"), "Language english.txt");
    EXPECT_EQ(settings.readLanguage("x"), "english.txt");
    EXPECT_TRUE(fileContent("Qvlzantor/Fichier.ini").endsWith("[language]\r\nlanguage=english.txt\r\n"));
}
