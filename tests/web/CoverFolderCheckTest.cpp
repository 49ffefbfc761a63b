// "Vérif_Images": the covers folder and the books' cover names put right.
#include "BookSites.h"
#include "BookScreenFixture.h"

#include "platform/picture/PictureFile.h"
#include "tests/support/HostilePictures.h"
#include "program/ProgramScreens.h"

namespace {

class CoverFolderCheckTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
    }
    QString covers(const QString& name) const { return QStringLiteral("livres/Jaquettes/") + name; }
    bool exists(const QString& name) const { return QFile::exists(program.folder(covers(name))); }
};

// A 2 x 1 GIF: a red pixel and a transparent one.
const QByteArray kGif = QByteArray::fromHex(
    "474946383961" "0200" "0100" "800000" "ff0000" "ffffff" "21f9040100000100"
    "2c00000000020001000002" "02440a00" "3b");

}  // namespace

TEST_F(CoverFolderCheckTest, BrokenFilesGoOtherPicturesBecomeJpegAndNamesAreRepaired)
{
    const QByteArray jpeg = BookSites::cover("JPEG");
    const QByteArray placeholder = program.read(covers(QStringLiteral("No_picture.jpg")));
    const struct {
        const char* name;
        QByteArray bytes;
        bool kept;
    } files[] = {
        {"9782070000001.jpg", jpeg, true},
        {"9782070000002.jpg", BookSites::cover("PNG"), true},
        {"9782070000003.jpg", BookSites::cover("WEBP"), true},
        {"9782070000004.jpg", kGif, true},
        {"9782070000005.jpg", jpeg.left(jpeg.size() / 2), false},
        {"9782070000006.jpg", QByteArray(), false},
        {"9782070000007.jpg", QByteArray("<html>ERREUR 404</html>"), false},
    };
    for (const auto& file : files)
        program.write(covers(QString::fromLatin1(file.name)), file.bytes);
    program.write(covers(QStringLiteral("TINTIN__MILOU.jpg")), jpeg);
    addBook(QStringLiteral("00012"), QStringLiteral("Tintin"), QStringLiteral("TINTIN__MILOU.jpg"));
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QStringLiteral("No_picture.jpg"));
    addBook(QStringLiteral("9782070000009"), QStringLiteral("Un titre"), QStringLiteral("00009.jpg"));

    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    input.menu(QStringLiteral("Outils > Vérif_Images"));

    for (const auto& file : files) {
        EXPECT_EQ(exists(QString::fromLatin1(file.name)), file.kept) << file.name;
        if (file.kept) {
            EXPECT_EQ(picture::detectFormat(program.read(covers(QString::fromLatin1(file.name)))), picture::Format::Jpeg)
                << file.name;
        }
    }
    EXPECT_FALSE(exists(QStringLiteral("TINTIN__MILOU.jpg")));
    EXPECT_TRUE(exists(QStringLiteral("TINTIN_MILOU.jpg")));
    EXPECT_EQ(program.read(covers(QStringLiteral("No_picture.jpg"))), placeholder);
    EXPECT_EQ(booksColumn("Images"), (QStringList{QStringLiteral("TINTIN_MILOU.jpg"), QStringLiteral("9782070612758.jpg"),
                                                 QStringLiteral("9782070000009.jpg")}));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(203));
}

TEST_F(CoverFolderCheckTest, PicturesTooLargeAndJpegsLackingTheirEndStayAndTheCheckGoesOnToItsEnd)
{
    const QByteArray jpeg = BookSites::cover("JPEG");
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"9782070000001.jpg", jpeg},
        {"9782070000002.jpg", hostile_pictures::hugeGif()},
        {"9782070000003.jpg", jpeg},
        {"9782070000004.jpg", hostile_pictures::jpegDeclaring(jpeg, 20000, 20000)},
        {"9782070000005.jpg", hostile_pictures::jpegWithoutEndMarker(jpeg)},
        {"9782070000006.jpg", jpeg},
    };
    for (const auto& file : files)
        program.write(covers(QString::fromLatin1(file.name)), file.bytes);

    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    input.menu(QStringLiteral("Outils > Vérif_Images"));

    for (const auto& file : files)
        EXPECT_EQ(program.read(covers(QString::fromLatin1(file.name))), file.bytes) << file.name;
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(203));
}
