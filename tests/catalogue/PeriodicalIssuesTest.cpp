// The issue panel's "OK": the issue number normalised, the issue's record and cover taken from
// the shared base when it has them, and the entry tab ready for the save of the issue.
#include "BookScreenFixture.h"

#include "catalogue/IssueSharedBase.h"
#include "catalogue/PeriodicalIssues.h"
#include "platform/ui/DBControls.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

namespace {

const QString kPressCode = QStringLiteral("3791234567892");

class FakeSharedBase : public catalogue::IssueSharedBase {
public:
    Answer answer = Answer::Missing;
    QString record;
    QByteArray cover;  // empty: the base has no cover
    QString coversFolder;
    QStringList asked;

    Answer readRecord(const QString& path, QString& text) override
    {
        asked << path;
        text = record;
        return answer;
    }
    bool downloadCover(const QString& path, const QString& fileName, QString& url) override
    {
        asked << path;
        if (cover.isEmpty())
            return false;
        QFile f(coversFolder + fileName);
        f.open(QIODevice::WriteOnly);
        f.write(cover);
        url = QStringLiteral("http://127.0.0.1") + path;
        return true;
    }
};

}  // namespace

TEST(IssueNumber, IsFiveDigitsOrXWithZerosInFront)
{
    const std::pair<const char*, const char*> cases[] = {
        {"7", "00007"}, {"12a", "00012"}, {"123456", "23456"}, {"", "00000"}, {"X1", "000X1"}, {"n° 42", "00042"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(catalogue::normalisedIssueNumber(QString::fromUtf8(typed)), QString::fromLatin1(stored)) << typed;
}

class PeriodicalIssuesTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        std::vector<app::ScreenInstaller> screens = bookScreens();
        screens.push_back([](app::TFrmPrin& frm) {
            frm.addPart<catalogue::PeriodicalIssues>(frm, *frm.findPart<catalogue::BookEntryScreen>());
        });
        start({"Cancel"}, screens);
        base.coversFolder = program.folder(QStringLiteral("livres/Jaquettes/"));
        logIn();
    }
    // The base in use, as when the maker's host answered at start.
    void useSharedBase()
    {
        frm().settings.Qvlbool = true;
        frm().findPart<catalogue::PeriodicalIssues>()->setSharedBase(&base);
    }
    // The panel as the look-up of a press code leaves it, then the issue typed and confirmed.
    void confirmIssue(const QString& issue)
    {
        edit("Edit10").setText(kPressCode);
        control("NumJourno").show();
        fill("Edit97", issue);
        input.click(QStringLiteral("Button90"));
    }
    QByteArray jpeg(int width)
    {
        QImage picture(width, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPG");
        return bytes;
    }

    FakeSharedBase base;
};

TEST_F(PeriodicalIssuesTest, WithoutTheSharedBaseTheIssueIsReadyToBeTypedIn)
{
    const size_t shown = dialogs.log().size();
    confirmIssue(QStringLiteral("12a"));
    EXPECT_EQ(dialogs.log().size(), shown);
    EXPECT_EQ(edit("Edit97").text(), "00012");
    EXPECT_EQ(edit("Edit2").text(), "*00012*");
    EXPECT_FALSE(control("NumJourno").visible());
    for (const char* button : {"SpeedButton20", "SpeedButton21", "SpeedButton22"})
        EXPECT_TRUE(control(button).visible()) << button;
    EXPECT_TRUE(edit("Edit4").focused());
}

TEST_F(PeriodicalIssuesTest, TheSharedBaseRecordFillsTheEntryTab)
{
    useSharedBase();
    base.answer = catalogue::IssueSharedBase::Answer::Found;
    base.record =
        QStringLiteral("Le Journal des enfants;%1;Rédaction;Milan;12/03/2025;16;x.jpg;.PRESSE;PERIODIQUE;Presse;"
                       "Un numéro sur les volcans.;;francais;3,50;4")
            .arg(kPressCode);
    base.cover = jpeg(50);
    confirmIssue(QStringLiteral("7"));
    EXPECT_EQ(base.asked, (QStringList{QStringLiteral("/livres/3791234/3791234567892_00007.txt"),
                                       QStringLiteral("/livres/3791234/3791234567892_00007.jpg")}));
    EXPECT_EQ(edit("Edit4").text(), "Le Journal des enfants");
    EXPECT_EQ(edit("Edit5").text(), "Rédaction");
    EXPECT_EQ(edit("Edit12").text(), "Milan");
    EXPECT_EQ(edit("Edit6").text(), "12/03/2025");
    EXPECT_EQ(edit("Edit7").text(), "16");
    EXPECT_EQ(edit("ComboBox12").text(), "Presse");
    EXPECT_EQ(edit("RichEdit4").text(), "Un numéro sur les volcans.");
    EXPECT_FALSE(edit("Edit84").text().isEmpty());
    EXPECT_TRUE(frm().LookupFound);
    EXPECT_EQ(frm().CoverFileName, "3791234567892_00007.jpg");
    ASSERT_TRUE(image("Image99").picture());
    EXPECT_EQ(image("Image99").picture()->size().width(), 50);
    EXPECT_EQ(edit("Edit61").text(), "Vireo");
    EXPECT_FALSE(edit("Edit4").focused());
}

// The record's descriptors and type are shown on the Compléments tab, whose row is another copy:
// the row keeps its own values.
TEST_F(PeriodicalIssuesTest, TheRecordsDescriptorsAndTypeAreShownButTheCopyOfTheTabKeepsItsOwn)
{
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QStringLiteral("9782070612758.jpg"));
    frm().db.ADOTable1.open();
    useSharedBase();
    base.answer = catalogue::IssueSharedBase::Answer::Found;
    base.record = QStringLiteral("Le Journal des enfants;%1;;;;;;.PRESSE.ANIMAUX;PERIODIQUE;Presse;;;;;").arg(kPressCode);
    confirmIssue(QStringLiteral("7"));
    EXPECT_EQ(edit("DBEdit29").text(), ".PRESSE.ANIMAUX");
    EXPECT_EQ(edit("DBComboBox7").text(), "PERIODIQUE");
    EXPECT_FALSE(frm().get<ui::DBEdit>(QStringLiteral("DBEdit29")).modified());
    EXPECT_FALSE(frm().get<ui::DBComboBox>(QStringLiteral("DBComboBox7")).modified());
    EXPECT_FALSE(frm().db.ADOTable1.editing());
    EXPECT_EQ(booksColumn("Descripteur"), QStringList{QString()});
    EXPECT_EQ(booksColumn("Type"), QStringList{"LIVRE"});
}

TEST_F(PeriodicalIssuesTest, AnIssueMissingFromTheBaseLeavesTheBaseOnButOneOutOfReachSwitchesItOff)
{
    useSharedBase();
    confirmIssue(QStringLiteral("3"));
    EXPECT_TRUE(frm().settings.Qvlbool);
    EXPECT_FALSE(frm().LookupFound);
    EXPECT_FALSE(control("NumJourno").visible());

    base.answer = catalogue::IssueSharedBase::Answer::Unreachable;
    confirmIssue(QStringLiteral("4"));
    EXPECT_FALSE(frm().settings.Qvlbool);
    base.asked.clear();
    // A cover of the issue kept locally is shown without asking the base.
    program.write(QStringLiteral("livres/Jaquettes/3791234567892_00005.jpg"), jpeg(60));
    confirmIssue(QStringLiteral("5"));
    EXPECT_TRUE(base.asked.isEmpty());
    EXPECT_EQ(image("Image99").picture()->size().width(), 60);
}

TEST_F(PeriodicalIssuesTest, APageThatIsNoRecordOfTheCodeIsNotTakenForOne)
{
    useSharedBase();
    base.answer = catalogue::IssueSharedBase::Answer::Found;
    for (const QString& page : {QStringLiteral("<html>Erreur du serveur</html>"),
                                QStringLiteral("Titre;3780000000000;a;b;c;d;e;f;g;h;i;j"),
                                QStringLiteral("Titre;3791234567892;a;b")}) {
        base.record = page;
        confirmIssue(QStringLiteral("1"));
        EXPECT_EQ(edit("Edit10").text(), kPressCode) << page.toStdString();
        EXPECT_TRUE(edit("Edit4").text().isEmpty()) << page.toStdString();
        EXPECT_FALSE(frm().LookupFound);
    }
}
