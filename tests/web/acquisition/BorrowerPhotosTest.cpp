#include "tests/web/acquisition/AcquisitionFixture.h"

#include "platform/ui/ComboBox.h"
#include "tools/bench/Borrowers.h"
#include "web/acquisition/BorrowerPhotos.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <random>

namespace {

class BorrowerPhotosTest : public AcquisitionTest {
protected:
    void openBorrowerScreen() { input.click(QStringLiteral("ToolButton7")); }
    QStringList photoNames()
    {
        return column(QStringLiteral("SELECT * FROM Emprunteurs ORDER BY NumEmprunteur"), "NimImage");
    }
    QStringList photoFiles() const
    {
        return QDir(program.folder(QStringLiteral("Photo_emprunteur"))).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    }
    // The card pictures of the installation (the test folders are made without them).
    void deliverCardPictures(int count)
    {
        QDir().mkpath(program.folder(QStringLiteral("Cartes")));
        for (int n = 1; n <= count; ++n) {
            const QString name = QStringLiteral("/Carte (") + QString::number(n) + QStringLiteral(").jpg");
            QFile::copy(QStringLiteral(QVL_CARD_PICTURES_DIR) + name, program.folder(QStringLiteral("Cartes")) + name);
        }
    }
    acquisition::BorrowerPhotos& photos() { return *frm().findPart<acquisition::BorrowerPhotos>(); }
};

TEST_F(BorrowerPhotosTest, APhotoTakenOnTheBorrowerScreenIsNamedAfterTheBorrowerAndRecorded)
{
    struct Case {
        const char* what;
        QByteArray settings;
        QSize size;
    };
    addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Marie"));
    addBorrower(13, QStringLiteral("MARTIN"), QStringLiteral("Paul"));
    openBorrowerScreen();
    ASSERT_EQ(edit("DBEdit25").text(), QStringLiteral("12"));
    for (const Case& c : {Case{"portrait", SaneTestBackend::portraitSettings(), QSize(192, 240)},
                          Case{"landscape", landscapeSettings(), QSize(320, 213)}}) {
        SCOPED_TRACE(c.what);
        SaneTestBackend sane(c.settings);
        dialogs.clearLog();
        dialogs.answer(QStringLiteral("Numériser"));
        dialogs.answer(QStringLiteral("OK"));
        input.click(QStringLiteral("Image10"));
        EXPECT_EQ(messages(), QStringList{QStringLiteral("1scanner")});
        EXPECT_EQ(pictureSize(QStringLiteral("Photo_emprunteur/DUPONT_Marie.jpg")), c.size);
        EXPECT_EQ(photoNames(), (QStringList{QStringLiteral("DUPONT_Marie.jpg"), QString()}));
        ASSERT_TRUE(image("Image11").picture());
        EXPECT_EQ(image("Image11").picture()->size(), c.size);
    }
}

// Dots within a first name are no way out of the folder: "J." gets its photo like anyone.
TEST_F(BorrowerPhotosTest, APupilWhoseFirstNameEndsWithADotGetsHisPhoto)
{
    SaneTestBackend sane;
    addBorrower(12, QStringLiteral("Dupont"), QStringLiteral("J."));
    openBorrowerScreen();
    dialogs.answer(QStringLiteral("Numériser"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Image10"));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("1scanner")});
    EXPECT_EQ(pictureSize(QStringLiteral("Photo_emprunteur/DUPONT_J..jpg")), QSize(192, 240));
    EXPECT_EQ(photoNames(), QStringList{QStringLiteral("DUPONT_J..jpg")});
    ASSERT_TRUE(image("Image11").picture());
}

TEST_F(BorrowerPhotosTest, ACancelledScanWritesNoPhotoAndNoName)
{
    SaneTestBackend sane;
    addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Marie"));
    openBorrowerScreen();
    dialogs.answer(QStringLiteral("Annuler"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Image10"));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("0pas de scanner")});
    EXPECT_TRUE(photoFiles().isEmpty() || photoFiles() == QStringList{QStringLiteral("No_picture.jpg")});
    EXPECT_EQ(photoNames(), QStringList{QString()});
}

// A borrower whose names cannot name a file of the photo folder: neither the scan nor the chosen
// file is asked for, the buttons say why instead.
struct UnusableBorrowerName {
    const char* surname;
    const char* firstName;
};

class BorrowerPhotoRefusalTest : public BorrowerPhotosTest,
                                 public ::testing::WithParamInterface<UnusableBorrowerName> {};

TEST_P(BorrowerPhotoRefusalTest, NamesThatWouldLeaveThePhotoFolderTakeNoPhotoAndSayWhy)
{
    SaneTestBackend sane;
    const QString surname = QString::fromUtf8(GetParam().surname);
    addBorrower(12, surname, QString::fromUtf8(GetParam().firstName));
    openBorrowerScreen();
    for (const char* button : {"Image10", "Button80"}) {
        SCOPED_TRACE(button);
        dialogs.clearLog();
        dialogs.answer(QStringLiteral("OK"));
        input.click(QString::fromLatin1(button));
        EXPECT_FALSE(scannerDialogShown());
        const QStringList said = messages();
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said.first().startsWith(QStringLiteral("Pas de photo pour « ") + surname)) << said.first().toStdString();
        EXPECT_TRUE(said.first().contains(QStringLiteral("ne peut pas servir de nom de fichier")));
    }
    EXPECT_EQ(photoNames(), QStringList{QString()});
    EXPECT_TRUE(photoFiles().isEmpty() || photoFiles() == QStringList{QStringLiteral("No_picture.jpg")});
    EXPECT_FALSE(program.exists(QStringLiteral("EVIL_Marie.jpg")));
}

INSTANTIATE_TEST_SUITE_P(Names, BorrowerPhotoRefusalTest,
                         ::testing::Values(UnusableBorrowerName{"../../EVIL", "Marie"},
                                           UnusableBorrowerName{"DUPONT", "..\\Marie"},
                                           UnusableBorrowerName{"C:DUPONT", "Marie"},
                                           UnusableBorrowerName{"DU\tPONT", "Marie"}));

TEST_F(BorrowerPhotosTest, ThePhotoTakenAtTheLoanDeskIsTheOneTheDeskFindsNextTime)
{
    SaneTestBackend sane;
    addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Marie"));
    run(QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, Empruntable, Images) "
                       "Values ('9782070612758', 'Le Petit Prince', 'LIVRE', True, 'No_picture.jpg')"));
    input.click(QStringLiteral("ToolButton3"));
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox7")), 1);
    input.scan(QStringLiteral("E12"));
    input.scan(QStringLiteral("9782070612758"));
    ASSERT_EQ(edit("Edit43").text(), QStringLiteral("DUPONT"));
    ASSERT_TRUE(image("Image33").visible()) << "no photo yet";

    dialogs.answer(QStringLiteral("Numériser"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Image33"));
    EXPECT_EQ(pictureSize(QStringLiteral("Photo_emprunteur/DUPONT_Marie.jpg")), QSize(192, 240));
    EXPECT_EQ(photoNames(), QStringList{QStringLiteral("DUPONT_Marie.jpg")});
    ASSERT_TRUE(image("Image32").picture());
    EXPECT_EQ(image("Image32").picture()->size(), QSize(192, 240));
}

TEST_F(BorrowerPhotosTest, TheWebcamChoiceListsTheSourcesAndSaysThereIsNoCamera)
{
    SaneTestBackend sane;
    addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Marie"));
    openBorrowerScreen();
    QStringList listed;
    bool noCameraSaid = false;
    dialogs.answer(ui::DialogAnswer::action([&](ui::Form& form) {
        listed = form.get<ui::ListBox>(QStringLiteral("SourceList")).items();
        noCameraSaid = form.get<ui::Control>(QStringLiteral("NoCameraLabel")).visible();
        form.setModalResult(ui::ModalResult::Cancel);
    }));
    input.click(QStringLiteral("Image9"));
    EXPECT_EQ(listed.size(), 2);
    EXPECT_TRUE(noCameraSaid);
}

TEST_F(BorrowerPhotosTest, AChosenPictureIsCopiedUnchangedAsThePhoto)
{
    addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Marie"));
    openBorrowerScreen();
    // A picture of another size than a scan's, which a copy keeps.
    QImage picture(500, 100, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString chosen = program.drive(QStringLiteral("Marie à la fête.jpg"));
    ASSERT_TRUE(picture.save(chosen, "JPG"));
    dialogs.answer(ui::DialogAnswer::text(chosen));
    input.click(QStringLiteral("Button80"));
    QFile original(chosen);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(program.read(QStringLiteral("Photo_emprunteur/DUPONT_Marie.jpg")), original.readAll());
    ASSERT_TRUE(image("Image11").picture());
    EXPECT_EQ(image("Image11").picture()->size(), QSize(500, 100));
    EXPECT_EQ(photoNames(), QStringList{QString()}) << "NimImage is left as it was";

    dialogs.clearLog();
    dialogs.answer(ui::DialogAnswer::text(program.folder(QStringLiteral("absent.jpg"))));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button80"));
    EXPECT_EQ(messages(), QStringList{message(48)});

    // A file that is no picture is refused, and the photo stays.
    const QString notPicture = program.drive(QStringLiteral("Bibliotheque.jpg"));
    QFile text(notPicture);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Titre;Auteur\r\n");
    text.close();
    dialogs.clearLog();
    dialogs.answer(ui::DialogAnswer::text(notPicture));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button80"));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Ce fichier n'est pas une image : aucune photo n'a été copiée.")});
    original.seek(0);
    EXPECT_EQ(program.read(QStringLiteral("Photo_emprunteur/DUPONT_Marie.jpg")), original.readAll());
}

TEST_F(BorrowerPhotosTest, CardPicturesGoToBorrowersWithoutPhotoAndAreReproducible)
{
    deliverCardPictures(5);
    addBorrower(1, QStringLiteral("DUPONT"), QStringLiteral("Marie"));
    addBorrower(2, QStringLiteral("MARTIN"), QStringLiteral("Paul"));
    addBorrower(3, QStringLiteral("Petit"), QStringLiteral("Léa"));
    program.write(QStringLiteral("Photo_emprunteur/MARTIN_Paul.jpg"), "own photo");
    openBorrowerScreen();
    int next = 0;
    photos().drawCard = [&next] { return ++next; };
    dialogs.answer(QStringLiteral("Yes"));
    for (int i = 0; i < 2; ++i)
        dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button79"));

    EXPECT_EQ(messages(), (QStringList{frm().tables.dialog(15), message(25), message(28)}));
    EXPECT_EQ(program.read(QStringLiteral("Photo_emprunteur/DUPONT_Marie.jpg")), program.read(QStringLiteral("Cartes/Carte (1).jpg")));
    EXPECT_EQ(program.read(QStringLiteral("Photo_emprunteur/MARTIN_Paul.jpg")), QByteArray("own photo"));
    // Named as every screen looks the photo up: the surname in the program's capitals.
    EXPECT_TRUE(photoFiles().contains(QStringLiteral("PETIT_Léa.jpg")));
    EXPECT_EQ(program.read(QStringLiteral("Photo_emprunteur/PETIT_Léa.jpg")), program.read(QStringLiteral("Cartes/Carte (3).jpg")));
}

TEST_F(BorrowerPhotosTest, NoThenCancelGivesNoCardPicture)
{
    deliverCardPictures(1);
    addBorrower(1, QStringLiteral("DUPONT"), QStringLiteral("Marie"));
    openBorrowerScreen();
    for (const char* answer : {"No", "Cancel", "OK"})
        dialogs.answer(QString::fromLatin1(answer));
    input.click(QStringLiteral("Button79"));
    EXPECT_EQ(messages(), (QStringList{frm().tables.dialog(15), frm().tables.dialog(8), message(27)}));
    EXPECT_FALSE(program.exists(QStringLiteral("Qvlzantor/Photo_emprunteur/DUPONT_Marie.jpg")));
}

TEST_F(BorrowerPhotosTest, EveryPupilOfTheSchoolGetsACardPictureDrawnWithTheSeed)
{
    deliverCardPictures(acquisition::kCardPictureCount);
    bench::addBorrowers(program.folder(QStringLiteral("Test1.bib")));
    openBorrowerScreen();
    std::mt19937 seeded(20251208);
    std::uniform_int_distribution<int> card(1, acquisition::kCardPictureCount);
    photos().drawCard = [&] { return card(seeded); };
    for (const char* answer : {"No", "OK", "OK", "OK"})
        dialogs.answer(QString::fromLatin1(answer));
    input.click(QStringLiteral("Button79"));

    std::mt19937 again(20251208);
    std::uniform_int_distribution<int> expected(1, acquisition::kCardPictureCount);
    QHash<int, QByteArray> cards;
    for (int n = 1; n <= bench::kBorrowers; ++n) {
        const int drawn = expected(again);
        if (!cards.contains(drawn))
            cards[drawn] = program.read(QStringLiteral("Cartes/Carte (%1).jpg").arg(drawn));
        const QString photo = QStringLiteral("Photo_emprunteur/") + bench::borrowerSurname(n) + u'_' +
                              bench::borrowerFirstName(n) + QStringLiteral(".jpg");
        ASSERT_EQ(program.read(photo), cards[drawn]) << photo.toStdString();
    }
}

}  // namespace
