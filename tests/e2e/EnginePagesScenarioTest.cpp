// The web engine's own pages on a machine whose language is not French: a folder listing reads in
// French, and a page the program has not written yet shows blank, never as the engine's error.
#include "DriverRun.h"

#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// The machine's language for the driver's run: C, English texts.
class EnglishMachine {
public:
    EnglishMachine() : m_lang(qgetenv("LANG")), m_all(qgetenv("LC_ALL")), m_language(qgetenv("LANGUAGE"))
    {
        qputenv("LANG", "C.UTF-8");
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("LANGUAGE");
    }
    ~EnglishMachine()
    {
        restore("LANG", m_lang);
        restore("LC_ALL", m_all);
        restore("LANGUAGE", m_language);
    }

private:
    static void restore(const char* name, const QByteArray& value)
    {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QByteArray m_lang, m_all, m_language;
};

bool xvfbInstalled() { return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty(); }

}  // namespace

TEST(EnginePagesScenario, TheFolderListingReadsInFrench)
{
    if (!xvfbInstalled())
        GTEST_SKIP() << "Xvfb is not installed";
    EnglishMachine english;
    ProgramFolder program;
    ASSERT_TRUE(QDir().mkpath(program.folder(QStringLiteral("Historique_emprunt/CM1"))));
    const QString picture = program.drive(QStringLiteral("listing.png"));
    const DriverResult run =
        play(program,
             logInScript() + QStringLiteral("menu Emprunteurs > Voir tous les livres déjà emprumtés\n"
                                            "expect-page-text EdgeBrowser3 Index de /\n"
                                            "expect-page-text EdgeBrowser3 [répertoire parent]\n"
                                            "expect-page-text EdgeBrowser3 Date de modification\n"
                                            "screenshot %1\n")
                                 .arg(picture),
             {QStringLiteral("--render")});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_FALSE(QImage(picture).isNull());
}

TEST(EnginePagesScenario, BeforeItsPageIsWrittenAScreenShowsABlankPage)
{
    if (!xvfbInstalled())
        GTEST_SKIP() << "Xvfb is not installed";
    EnglishMachine english;
    const struct {
        const char* what;
        QString opening;
        const char* view;
        QRect place;  // the view in the window's picture
    } cases[] = {
        {"book catalogue", QStringLiteral("menu Livres > Catalogue Html Livre\n"), "WebBrowser4",
         QRect(348, 194, 780, 700)},
        {"label page", QStringLiteral("menu Livres > Etiquettes Codebarre\nanswer OK\ntab TabSheet13\n"),
         "WebBrowser10", QRect(432, 123, 725, 708)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramFolder program;
        const QString picture = program.drive(QStringLiteral("blank.png"));
        const DriverResult run =
            play(program,
                 logInScript() + c.opening +
                     QStringLiteral("wait-page %1\nscreenshot %2\n").arg(QLatin1String(c.view), picture),
                 {QStringLiteral("--render")});
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        const QImage shot(picture);
        ASSERT_FALSE(shot.isNull());
        int marked = 0;
        for (int y = c.place.top(); y <= c.place.bottom(); ++y)
            for (int x = c.place.left(); x <= c.place.right(); ++x)
                marked += shot.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(marked, 0);
    }
}
