// Pictures that lie about their size or lack their end, lying in the covers folder, are checked by
// "Vérif_Images" through its menu: nothing is allocated for what they declare, none of them is
// deleted, and the check goes on to its closing message. Real pictures the decoder refuses for a
// bound of its own stay on disk through every screen that shows them.
#include "DriverRun.h"

#include "DeliveredLanguage.h"
#include "HostilePictures.h"
#include "BookSites.h"

#include "app/BackupCsvExport.h"

#include <QImage>
#include <QMap>
#include <gtest/gtest.h>

TEST(HostilePicturesScenario, TheCoverCheckKeepsHostilePicturesAndEndsWithItsMessage)
{
    ProgramFolder program;
    const QByteArray jpeg = BookSites::cover("JPEG");
    const struct {
        const char* name;
        QByteArray bytes;
    } covers[] = {
        {"9782070000011.jpg", jpeg},
        {"9782070000012.jpg", hostile_pictures::hugeGif()},
        {"9782070000013.jpg", hostile_pictures::jpegDeclaring(jpeg, 20000, 20000)},
        {"9782070000014.jpg", hostile_pictures::jpegWithoutEndMarker(jpeg)},
        {"9782070000015.jpg", jpeg},
    };
    for (const auto& cover : covers)
        program.write(QStringLiteral("livres/Jaquettes/") + QString::fromLatin1(cover.name), cover.bytes);

    const DriverResult run = play(program, logInScript() + QStringLiteral("answer OK\nanswer OK\nanswer OK\n"
                                                                          "menu Outils > Vérif_Images\n"
                                                                          "quit\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(QStringLiteral("error:")), QStringList()) << run.joined().toStdString();
    // The check's closing message is the next thing shown after it started; the way out follows.
    const QStringList dialogs = run.lines.filter(QStringLiteral("dialog:"));
    ASSERT_GE(dialogs.size(), 2);
    EXPECT_TRUE(dialogs[dialogs.size() - 2].contains(deliveredFrench().message(203))) << run.joined().toStdString();
    for (const auto& cover : covers)
        EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/") + QString::fromLatin1(cover.name)), cover.bytes)
            << cover.name;
}

// A school's library file names a photo of 9000 x 6000 pixels, past the bound of what is shown, an
// animated WebP and a progressive JPEG of 3000 scans. After its import, the log-in's strip, the
// Compléments tab, paging back, moving to the copy, its storage place and the batch cover pass
// each show the placeholder and delete none of them.
TEST(HostilePicturesScenario, PicturesRefusedForTheDecodersBoundsStayOnEveryScreen)
{
    ProgramFolder program;
    const QByteArray jpeg = BookSites::cover("JPEG");
    const QByteArray large = hostile_pictures::jpegDeclaring(jpeg, 9000, 6000);
    QImage small(64, 48, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    const QMap<QString, QByteArray> pictures = {
        {QStringLiteral("livres/Jaquettes/grand.jpg"), large},
        {QStringLiteral("livres/Jaquettes/anime.webp"), hostile_pictures::animatedWebp()},
        {QStringLiteral("livres/Jaquettes/balayages.jpg"),
         hostile_pictures::jpegWithScans(hostile_pictures::progressiveJpeg(small), 3000)},
        {QStringLiteral("Photo_Rangement/grand.jpg"), large},
    };
    // Copies 1 to 8; 3, 4 and 5 name the refused covers, every one the large storage-place photo.
    QStringList library{app::backupCsvHeader()};
    const QStringList covers = {"", "", "anime.webp", "balayages.jpg", "grand.jpg", "", "", ""};
    QMap<QString, QByteArray> coversByCode;
    for (int n = 1; n <= 8; ++n) {
        // Short codes are completed to five digits.
        const QString code = QStringLiteral("0000%1").arg(n);
        QStringList row(26);
        row[0] = QStringLiteral("Livre %1").arg(n);
        row[9] = covers[n - 1];
        row[10] = QString::number(n);
        row[20] = QStringLiteral("grand.jpg");
        library << row.join(u';');
        // The batch pass shows the cover named after the code.
        coversByCode.insert(QStringLiteral("livres/Jaquettes/") + code + QStringLiteral(".jpg"), large);
    }
    program.write(QStringLiteral("Bibliotheque.csv"), library.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    const DriverResult imported = play(program, logInScript() + libraryImportScript(program.folder("Bibliotheque.csv")));
    ASSERT_EQ(imported.exitCode, 0) << imported.joined().toStdString();
    ASSERT_TRUE(imported.joined().contains(QStringLiteral("8 livre(s) ajouté(s)"))) << imported.joined().toStdString();
    for (auto [path, bytes] : pictures.asKeyValueRange())
        program.write(path, bytes);
    for (auto [path, bytes] : coversByCode.asKeyValueRange())
        program.write(path, bytes);

    const DriverResult run = play(
        program, logInScript() + QStringLiteral("expect-text DBEdit1 Livre 8\n"
                                                "expect-text DBComboBox6 No_place.jpg\n"
                                                "tab TabSheet2\n"
                                                "click SpeedButton14\n"
                                                "expect-text DBEdit1 Livre 2\n"
                                                "click SpeedButton16\nclick SpeedButton16\nclick SpeedButton16\n"
                                                "expect-text DBEdit1 Livre 5\n"
                                                "expect-text DBEdit39 No_picture.jpg\n"
                                                "expect-text DBComboBox6 No_place.jpg\n"
                                                "menu Outils > Recherche automatique couvertures\n"
                                                "click Edit98\nkey End\nkey Backspace\ntype 5\n"
                                                "answer OK\nanswer OK\nanswer OK\n"
                                                "click Button91\n"
                                                "answer OK\nquit\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(QStringLiteral("error:")), QStringList()) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(deliveredFrench().message(160)), QStringList()) << run.joined().toStdString();
    for (auto [path, bytes] : pictures.asKeyValueRange())
        EXPECT_EQ(program.read(path), bytes) << path.toStdString();
    for (auto [path, bytes] : coversByCode.asKeyValueRange())
        EXPECT_EQ(program.read(path), bytes) << path.toStdString();
}
