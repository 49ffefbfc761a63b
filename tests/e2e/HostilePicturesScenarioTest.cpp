// Pictures that lie about their size or lack their end, lying in the covers folder, are checked by
// "Vérif_Images" through its menu: nothing is allocated for what they declare, none of them is
// deleted, and the check goes on to its closing message.
#include "DriverRun.h"

#include "DeliveredLanguage.h"
#include "HostilePictures.h"
#include "BookSites.h"

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
