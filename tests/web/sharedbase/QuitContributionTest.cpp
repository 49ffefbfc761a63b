// What the ways out send to the shared base, and what they leave for the next quit.
#include "SharedBaseFixture.h"

#include "platform/text/Windows1252.h"
#include "platform/ui/PageControl.h"

namespace {

const QString kCode = QStringLiteral("9782070612758");
const QString kRecord = QStringLiteral("livres/9782070/9782070612758.txt");

}  // namespace

TEST_F(SharedBaseTest, ARowIsSentOnceAndMarkedForEachThingSent)
{
    addRow(kCode, QString::fromUtf8("Le Petit Prince"), kCode + ".jpg", QStringLiteral("x"));
    addRow(QStringLiteral("9782070000001"), QStringLiteral("Sent before"), QStringLiteral("9782070000001.jpg"),
           QStringLiteral("@&x"));
    addCover(kCode + ".jpg");
    addCover(QStringLiteral("9782070000001.jpg"));
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBase");
    EXPECT_EQ(marks(), (QStringList{"&@x", "@&x"}));
    EXPECT_EQ(servers.files(), (QStringList{"livres/9782070/9782070612758.jpg", kRecord}));
    EXPECT_EQ(servers.read(kRecord), QByteArray("Le Petit Prince;9782070612758;;;;;9782070612758.jpg;;LIVRE;;;;;;1\r\n"));
    EXPECT_EQ(servers.read(QStringLiteral("livres/9782070/9782070612758.jpg")), program.read("livres/Jaquettes/9782070612758.jpg"));
    // The local copy beside the covers.
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/9782070612758.txt")), servers.read(kRecord));
}

TEST_F(SharedBaseTest, TheQuitShowsWhatItSendsOnTheEntryTab)
{
    addRow(kCode, QString::fromUtf8("Le Petit Prince"), kCode + ".jpg");
    addCover(kCode + ".jpg");
    input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet1")));
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBase");
    EXPECT_EQ(frm().get<ui::PageControl>(QStringLiteral("PageControl1")).activePage()->name(), "TabSheet7");
    EXPECT_TRUE(control("Panel4").visible());
    // The line of the last thing sent stays, its memo hidden once the quit is done.
    EXPECT_EQ(edit("Memo6").text(), QStringLiteral("/livres/9782070/9782070612758.jpg"));
    EXPECT_FALSE(control("Memo6").visible());
}

TEST_F(SharedBaseTest, ATitleTheBaseHasKeepsItsLineWithTheCountRaised)
{
    const struct {
        const char* remote;
        const char* after;
    } cases[] = {
        {"Autre titre;9782070612758;;;;;;;;;;;;;3\r\n", "Autre titre;9782070612758;;;;;;;;;;;;;4\r\n"},
        {"Autre titre;9782070612758;;;;;;;;;;;;;abc\r\n", "Autre titre;9782070612758;;;;;;;;;;;;;2\r\n"},
    };
    for (const auto& c : cases) {
        frm().db.ADOConnection1.execute(QStringLiteral("DELETE FROM Table1"));
        addRow(kCode, QStringLiteral("Le Petit Prince"), kCode + ".jpg");
        servers.write(kRecord, c.remote);
        dialogs.answer(QStringLiteral("OK"));
        run("ContributeToSharedBase");
        EXPECT_EQ(servers.read(kRecord), QByteArray(c.after)) << c.remote;
        EXPECT_EQ(marks(), QStringList{"@"});
    }
}

TEST_F(SharedBaseTest, ABookWithoutIsbnIsSharedUnderItsTitleAndKeepsItsOwnCover)
{
    addRow(QStringLiteral("00042"), QStringLiteral("Mon chat"), QStringLiteral("00042.jpg"));
    addCover(QStringLiteral("00042.jpg"));
    const QByteArray cover = program.read(QStringLiteral("livres/Jaquettes/00042.jpg"));
    // The menu's quit leaves covers named like 00042.jpg alone.
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBase");
    EXPECT_EQ(servers.files(), QStringList{"livres/alpha/MON_CHAT.txt"});
    EXPECT_EQ(marks(), QStringList{"@"});

    // The toolbar's quit sends it under the title's key; the school's file and row stay as they were.
    dialogs.answer(QStringLiteral("OK"));  // the image bank's fill
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBaseWithImageBank");
    EXPECT_EQ(servers.read(QStringLiteral("livres/alpha/MON_CHAT.jpg")), cover);
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/00042.jpg")), cover);
    EXPECT_FALSE(QFile::exists(program.folder("livres/Jaquettes/MON_CHAT.jpg")));
    EXPECT_EQ(booksColumn("Images"), QStringList{"00042.jpg"});
    EXPECT_EQ(marks(), QStringList{"&@"});
}

TEST_F(SharedBaseTest, WithoutTheExchangeRecordsStayAtSchoolAndRowsAreMarked)
{
    frm().settings.ftpbool = false;
    addRow(kCode, QString::fromUtf8("L'été"), kCode + ".jpg");
    addCover(kCode + ".jpg");
    run("ContributeToSharedBase");
    EXPECT_TRUE(servers.files().isEmpty());
    EXPECT_EQ(marks(), QStringList{"&@"});
    // Windows-1252, as every school reads the records.
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/9782070612758.txt")),
              text::encodeWindows1252(QString::fromUtf8("L'été;9782070612758;;;;;9782070612758.jpg;;LIVRE;;;;;;1\r\n")));
}

TEST_F(SharedBaseTest, AHostOutOfReachLeavesEveryRowForTheNextQuit)
{
    frm().settings.maker = {};
    for (int i = 0; i < 6; ++i)
        addRow(QStringLiteral("978207000000%1").arg(i), QStringLiteral("Livre %1").arg(i), QString());
    const qsizetype before = dialogs.log().size();
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBase");
    // Only the opening message: a host that never answered is not asked again for each row.
    EXPECT_EQ(dialogs.log().size(), before + 1);
    EXPECT_EQ(marks(), QStringList(6, QString()));

    // The toolbar's quit gives up at its first connection, after the image bank's message.
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBaseWithImageBank");
    EXPECT_EQ(dialogs.log().size(), before + 2);
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(197));
    EXPECT_EQ(marks(), QStringList(6, QString()));
}

TEST_F(SharedBaseTest, ALongTextKeepsItsMarksWithinTheField)
{
    const QString mail = QString(50, u'm');
    addRow(kCode, QStringLiteral("Le Petit Prince"), kCode + ".jpg", mail);
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBase");
    EXPECT_EQ(marks(), QStringList{u'@' + mail.left(49)});
}

TEST_F(SharedBaseTest, TheToolbarQuitFillsTheImageBankWithTheSchoolsCovers)
{
    frm().settings.Qvlbool = false;
    QDir().mkpath(program.drive(QStringLiteral("Banque_images")));
    addRow(kCode, QStringLiteral("Le Petit Prince"), kCode + ".jpg");
    addRow(QStringLiteral("978207061275"), QStringLiteral("Douze"), QStringLiteral("978207061275.jpg"));
    addCover(kCode + ".jpg");
    addCover(QStringLiteral("978207061275.jpg"));
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBaseWithImageBank");
    EXPECT_EQ(QFile(program.drive(QStringLiteral("Banque_images/9782070/9782070612758.jpg"))).size(),
              QFile(program.folder(QStringLiteral("livres/Jaquettes/9782070612758.jpg"))).size());
    EXPECT_FALSE(QFile::exists(program.drive(QStringLiteral("Banque_images/9782070/978207061275.jpg"))));
    // With the shared base off nothing else is done.
    EXPECT_TRUE(servers.files().isEmpty());
    EXPECT_EQ(marks(), (QStringList{QString(), QString()}));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(197));
    // The cover-name field showed each row's cover on the way.
    EXPECT_EQ(edit("Edit61").text(), QStringLiteral("978207061275.jpg"));

    // A school without a bank hears the same end of the fill.
    QDir(program.drive(QStringLiteral("Banque_images"))).removeRecursively();
    dialogs.clearLog();
    dialogs.answer(QStringLiteral("OK"));
    run("ContributeToSharedBaseWithImageBank");
    EXPECT_FALSE(QFile::exists(program.drive(QStringLiteral("Banque_images"))));
    ASSERT_EQ(dialogs.log().size(), 1);
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(197));
}
