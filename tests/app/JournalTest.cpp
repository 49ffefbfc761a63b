// The journal's lines, its append rule, and the menu command that shows it.
#include "MainWindowFixture.h"

#include "app/Journal.h"
#include "platform/ui/Menu.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

const QDate kToday(2025, 12, 8);

QByteArray fileContent(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

// A file nobody may write, root included: no write permission and, where the file system
// allows it, the immutable flag (which only root can set). Made writable again at the end.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path) : m_path(path)
    {
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (getuid() == 0)
            setImmutable(true);
    }
    ~ReadOnlyFile()
    {
        setImmutable(false);
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    bool refusesWrites() const { return !QFile(m_path).open(QIODevice::WriteOnly | QIODevice::Append); }

private:
    void setImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
        if (fd < 0)
            return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }

    QString m_path;
};

}  // namespace

TEST(Journal, LineShapesOfEveryKind)
{
    struct Case { QString line, expected; };
    const Case cases[] = {
        {journal::newBookLine(kToday, " 9782070612758 ", "Le Petit Prince ", " Saint-Exupéry", "Gallimard", " Roman "),
         "NouveauLivre;08/12/2025;9782070612758;Le Petit Prince;Saint-Exupéry;Gallimard; ; ; ;Roman"},
        {journal::newBookLine(kToday, "00000", "Sans code", "", "", ""),
         "NouveauLivre;08/12/2025;00000;Sans code;;; ; ; ;"},
        {journal::loanLine(kToday, "9782070612758", "Le Petit Prince", "", "Saint-Exupéry", "DUPONT", "Jean", "CM1", 12,
                           "Roman"),
         "Sortie;08/12/2025;9782070612758;Le Petit Prince [];Saint-Exupéry;DUPONT;Jean;CM1;12;Roman"},
        // A periodical: the issue follows the title.
        {journal::loanLine(kToday, "3791234567897", "Wakou", "*00012*", "", "DUPONT", "Jean", "CM1", 12, "Revue"),
         "Sortie;08/12/2025;3791234567897;Wakou-*00012* [];;DUPONT;Jean;CM1;12;Revue"},
        {journal::loanLine(kToday, "3781234567890", "Wakou", "*00007*", "", "DUPONT", "Jean", "CM1", 12, "Revue"),
         "Sortie;08/12/2025;3781234567890;Wakou-*00007* [];;DUPONT;Jean;CM1;12;Revue"},
        {journal::loanLine(kToday, "9782070612758", "Le Petit Prince", "*00012*", "", "DUPONT", "Jean", "CM1", 12, ""),
         "Sortie;08/12/2025;9782070612758;Le Petit Prince [];;DUPONT;Jean;CM1;12;"},
        // A loan by copy number: no code, the copy's number marked in the first name.
        {journal::loanLine(kToday, "", "Le Petit Prince", "", "Saint-Exupéry", "DUPONT", "Jean *345* ", "CM1", 12,
                           "Roman"),
         "Sortie;08/12/2025;;Le Petit Prince [];Saint-Exupéry;DUPONT;Jean *345* ;CM1;12;Roman"},
        {journal::returnLine(kToday, "9782070612758", 345, "Le Petit Prince", "Saint-Exupéry", "DUPONT", "Jean", "CM1",
                             "12", "Roman"),
         "Retour;08/12/2025;9782070612758 [345];Le Petit Prince;Saint-Exupéry;DUPONT;Jean;CM1;12;Roman"},
        {journal::returnLine(kToday, "", 345, "Le Petit Prince", "Saint-Exupéry", "DUPONT", "Jean *345* ", "CM1", "12",
                             "Roman"),
         "Retour;08/12/2025; [345];Le Petit Prince;Saint-Exupéry;DUPONT;Jean;CM1;12;Roman"},
        // The stock-take's values are the screen's texts, blanks included.
        {journal::inventoryLine(kToday, "9782070612758", " Le Petit Prince ", "Saint-Exupéry", "Gallimard", "1999",
                                "Poche 96", "2070612759", "Roman", "Etagere_A.jpg"),
         "Inventaire;08/12/2025;9782070612758; Le Petit Prince ;Saint-Exupéry;Gallimard;1999;Poche 96;2070612759;Roman;"
         "Etagere_A.jpg"},
        {journal::deletionLine(false, kToday, "9782070612758", "Le Petit Prince", "Saint-Exupéry", "Gallimard",
                               "9782070612758.jpg"),
         "Suppression ;08/12/2025;9782070612758;Le Petit Prince;Saint-Exupéry;Gallimard;9782070612758.jpg"},
        {journal::deletionLine(true, kToday, "00042", "Alice", "", "", "00042.jpg"),
         "Suppression à l'inventaire;08/12/2025;00042;Alice;;;00042.jpg"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.line, c.expected);
}

TEST(Journal, NoValueBreaksTheLineOrShiftsItsFields)
{
    // A title typed on two lines, holding the separator.
    const QString title = "Le Petit\r\nPrince;\rconte\n";
    const QString joined = "Le PetitPrince conte";
    const QStringList lines{
        journal::newBookLine(kToday, "1", title, "a;b", "", ""),
        journal::loanLine(kToday, "1", title, "", "a;b", "", "", "", 1, ""),
        journal::returnLine(kToday, "1", 2, title, "a;b", "", "", "", "", ""),
        journal::inventoryLine(kToday, "1", title, "a;b", "", "", "", "", "", ""),
        journal::deletionLine(false, kToday, "1", title, "a;b", "", ""),
        journal::deletionLine(true, kToday, "1", title, "a;b", "", ""),
    };
    const int fieldCounts[] = {10, 10, 10, 11, 7, 7};
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_FALSE(lines[i].contains(u'\r') || lines[i].contains(u'\n')) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].contains(joined)) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].contains(";a b;")) << lines[i].toStdString();
        EXPECT_EQ(lines[i].split(u';').size(), fieldCounts[i]) << lines[i].toStdString();
    }
}

class JournalAppend : public ::testing::Test {
protected:
    QString appDir() const { return dir.path() + u'/'; }
    QString journalPath() const { return dir.filePath("Journal.csv"); }

    QTemporaryDir dir;
    files::TextFileRecord file;
};

TEST_F(JournalAppend, AddsTheLineInWindows1252WithCrLf)
{
    writeFile(journalPath(), "En-tete\r\n");
    EXPECT_TRUE(journal::appendJournalLine(file, appDir(), "Suppression à l'inventaire;08/12/2025"));
    EXPECT_TRUE(journal::appendJournalLine(file, appDir(), "Sortie;08/12/2025"));
    EXPECT_EQ(fileContent(journalPath()), "En-tete\r\nSuppression \xE0 l'inventaire;08/12/2025\r\nSortie;08/12/2025\r\n");
    EXPECT_FALSE(file.isOpen());
}

TEST_F(JournalAppend, AMissingJournalIsNeverCreated)
{
    EXPECT_FALSE(journal::appendJournalLine(file, appDir(), "Sortie;08/12/2025"));
    EXPECT_FALSE(QFileInfo::exists(journalPath()));
    EXPECT_FALSE(file.isOpen());
}

TEST_F(JournalAppend, AJournalThatCannotBeWrittenLosesTheLineAndTheRecordServesAgain)
{
    writeFile(journalPath(), "En-tete\r\n");
    {
        ReadOnlyFile readOnly(journalPath());
        if (!readOnly.refusesWrites())
            GTEST_SKIP() << "this file system lets this user write a read-only file";
        EXPECT_FALSE(journal::appendJournalLine(file, appDir(), "Sortie;08/12/2025"));
        EXPECT_FALSE(file.isOpen());
    }
    EXPECT_EQ(fileContent(journalPath()), "En-tete\r\n");
    EXPECT_TRUE(journal::appendJournalLine(file, appDir(), "Retour;08/12/2025"));
    EXPECT_EQ(fileContent(journalPath()), "En-tete\r\nRetour;08/12/2025\r\n");
}

// The tools menu, as the administrator's login shows it.
class JournalCommand : public MainWindowTest {
protected:
    app::TFrmPrin& startAsAdministrator()
    {
        app::TFrmPrin& w = start();
        w.get<ui::MenuItem>("Outils").setVisible(true);
        program.write("Journal.csv", "En-tete\r\n");
        return w;
    }
    void chooseShowJournal(const QString& answer)
    {
        dialogs.answer("OK");
        dialogs.answer(answer);
        dialogs.clearLog();
        input.menu("Outils > Afficher le journal");
    }
};

TEST_F(JournalCommand, TellsWhereTheJournalIsThenOpensItOnOk)
{
    app::TFrmPrin& w = startAsAdministrator();
    chooseShowJournal("OK");
    const std::vector<ui::DialogRecord>& log = dialogs.log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].text, w.tables.message(55) + "C:\\Qvlzantor\\journal.csv \r\n" + w.tables.message(56));
    EXPECT_EQ(log[0].buttons, QStringList{"OK"});
    EXPECT_EQ(log[1].caption, "Excel");
    EXPECT_EQ(log[1].text, w.tables.dialog(10));
    EXPECT_EQ(log[1].buttons, (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(shell.records(), QStringList{"open: " + program.folder("Journal.csv")});
}

TEST_F(JournalCommand, CancelOpensNothing)
{
    startAsAdministrator();
    chooseShowJournal("Cancel");
    EXPECT_EQ(dialogs.log().size(), 2u);
    EXPECT_TRUE(shell.records().isEmpty());
}
