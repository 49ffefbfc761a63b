// The files the installation delivers and start-up reads.
#include "app/LanguageFile.h"
#include "app/SettingsFile.h"

#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"
#include "tests/platform/files/ProgramFolderFixture.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>

namespace {

QByteArray delivered(const QString& relative)
{
    QFile f(QStringLiteral(QVL_SOURCE_DIR "/data/") + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every line ends with CR LF and no CR or LF stands alone.
void expectCrLfLines(const QByteArray& bytes)
{
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool lineEnd = bytes[i] == '\r' || bytes[i] == '\n';
        const bool inPair = bytes.mid(i, 2) == "\r\n" || bytes.mid(i - 1, 2) == "\r\n";
        ASSERT_TRUE(!lineEnd || inPair) << "lone line end at byte " << i;
    }
}

}  // namespace

using DeliveredLanguageFile = ProgramFolderTest;

TEST_F(DeliveredLanguageFile, LoadsWithEveryTableAtItsSize)
{
    const QByteArray bytes = delivered("Languages/francais.txt");
    expectCrLfLines(bytes);
    EXPECT_EQ(text::splitLines(text::decodeWindows1252(bytes)).size(), 56 + 301 + 100 + 301);

    makeFile("Qvlzantor/Languages/francais.txt", bytes);
    app::SettingsFile settings;
    ASSERT_TRUE(settings.createFirstRun());
    QString languageText;
    app::LanguageTables t;
    ASSERT_EQ(app::loadLanguage(settings, languageText, t).status, app::LanguageLoad::Status::Loaded);

    for (int line = 1; line <= 56; ++line) {
        if (line != 44) {  // read and not used
            EXPECT_FALSE(t.menuCaption(line).isEmpty()) << line;
        }
    }
    EXPECT_EQ(t.menuCaption(1), "Fichier");
    EXPECT_EQ(t.menuCaption(32), "Voir tous les livres d\u00e9j\u00e0 emprumt\u00e9s");
    EXPECT_EQ(t.menuCaption(56), "A propos");

    // Each marker closes the full table, so later texts only fill entries in.
    EXPECT_EQ(t.message(300), "XXXXXXXXXX");
    EXPECT_EQ(t.dialog(100), "YYYYYYYYYY");
    EXPECT_EQ(t.caption(300), "ZZZZZZZZZZ");
    for (int i = 0; i < 300; ++i) {
        EXPECT_FALSE(t.message(i).contains("XXXXXXXXXX")) << i;
        EXPECT_FALSE(t.caption(i) == "ZZZZZZZZZZ") << i;
    }

    for (int entry : {4, 5, 6, 7, 8, 231, 232, 233})
        EXPECT_FALSE(t.message(entry).isEmpty()) << "message " << entry;
    for (int entry : {1, 2})
        EXPECT_FALSE(t.dialog(entry).isEmpty()) << "dialog " << entry;
    for (int entry = 95; entry <= 104; ++entry)
        EXPECT_FALSE(t.caption(entry).isEmpty()) << "toolbar hint " << entry;
    EXPECT_EQ(t.caption(95), "Rendre");
    EXPECT_EQ(t.caption(93), "Rangement");
}

TEST(DeliveredLanguageTexts, CatalogueAndLoginEntriesAreFilled)
{
    const QByteArray bytes = delivered("Languages/francais.txt");
    const app::LanguageTables t = app::parseLanguageLines(text::splitLines(text::decodeWindows1252(bytes)));
    for (int entry : {17, 18, 20, 22, 55, 56, 85, 86})
        EXPECT_FALSE(text::Trim(t.message(entry)).isEmpty()) << "message " << entry;
    for (int entry : {3, 4, 5, 6, 7, 10, 33, 34})
        EXPECT_FALSE(text::Trim(t.dialog(entry)).isEmpty()) << "dialog " << entry;
    // Texts shown around a value: the path of a file, then a line break; a number of copies.
    EXPECT_TRUE(t.message(55).endsWith(u' '));
    EXPECT_TRUE(t.message(85).endsWith(u' '));
    EXPECT_TRUE(t.message(86).startsWith(u' '));
    EXPECT_EQ(t.message(85) + "3" + t.message(86), QString::fromUtf8("Vous allez enregistrer 3 exemplaires de ce livre."));
}

TEST(DeliveredLists, OneEntryALineWithoutEmptyEntries)
{
    struct List { const char* file; std::vector<const char*> expected; };
    const List lists[] = {
        {"TYPE.txt", {"LIVRE"}},
        {"GENRE.txt", {"Album", "Roman", "Bande dessinée", "Documentaire", "Conte", "Poésie", "Théâtre",
                       "Premières lectures", "Manga", "Revue"}},
        // The other-media screen's designed types stay first, in their order, so rows stored with them
        // keep finding their entry.
        {"TYPE_AUTRE_SUPPORT.txt", {"Musique", "DVD", "Video", "Logiciels", "Jeux vidéo", "LIVRE", "Classique",
                                    "JOURNAL", "JEU", "DOSSIER", "KIT PEDAGOGIQUE", "MATERIEL EPS", "PATITION"}},
    };
    for (const List& list : lists) {
        const QByteArray bytes = delivered(QString::fromLatin1(list.file));
        SCOPED_TRACE(list.file);
        expectCrLfLines(bytes);
        const QStringList entries = text::splitLines(text::decodeWindows1252(bytes));
        EXPECT_EQ(text::encodeWindows1252(text::decodeWindows1252(bytes)), bytes);
        EXPECT_EQ(QStringList(entries).removeDuplicates(), 0);
        for (const QString& e : entries) {
            EXPECT_FALSE(e.isEmpty());
            EXPECT_EQ(text::Trim(e), e);
        }
        for (const char* e : list.expected)
            EXPECT_TRUE(entries.contains(QString::fromUtf8(e))) << e;
    }
    const QStringList otherMedia = text::splitLines(text::decodeWindows1252(delivered("TYPE_AUTRE_SUPPORT.txt")));
    EXPECT_EQ(otherMedia.indexOf("PATITION"), 12);
    // The book screens work on the rows typed "LIVRE": it comes first among the book types.
    EXPECT_EQ(text::splitLines(text::decodeWindows1252(delivered("TYPE.txt"))).value(0), "LIVRE");
}

TEST(DeliveredThesaurus, SortedCapitalsEndingWithTheMarker)
{
    const QByteArray bytes = delivered("Thesaurus.txt");
    expectCrLfLines(bytes);
    const QStringList lines = text::splitLines(text::decodeWindows1252(bytes));
    ASSERT_GE(lines.size(), 300);
    ASSERT_LE(lines.size(), 2297);
    EXPECT_EQ(lines.last(), "ZZZZZ");
    const QRegularExpression word(QStringLiteral("^[A-Z]{2,20}$"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(word.match(lines[i]).hasMatch()) << lines[i].toStdString();
        if (i > 0) {
            EXPECT_LT(lines[i - 1], lines[i]) << lines[i].toStdString();
        }
    }
}

TEST(DeliveredPictures, PlaceholderIsAJpegOfTheCheckedSize)
{
    const QByteArray picture = delivered("Reserve/No_picture.jpg");
    ASSERT_EQ(picture.size(), 2795);  // start-up recopies a placeholder of any other size
    QImage image;
    ASSERT_TRUE(image.loadFromData(picture, "JPEG"));
    EXPECT_GT(image.width(), 0);
    for (const char* folder : {"livres", "Photo_Asupport", "Photo_emprunteur", "Photo_Inventaire"})
        EXPECT_EQ(delivered(QString::fromLatin1(folder) + "/Jaquettes/No_picture.jpg"), picture) << folder;
}

TEST(DeliveredPictures, StoragePlacePlaceholderIsAJpeg)
{
    const QByteArray picture = delivered("Photo_Rangement/No_place.jpg");
    ASSERT_TRUE(picture.startsWith("\xFF\xD8\xFF"));
    QImage image;
    ASSERT_TRUE(image.loadFromData(picture, "JPEG"));
    EXPECT_GT(image.width(), 0);
    EXPECT_GT(image.height(), 0);
}

TEST(DeliveredSound, StartUpSoundIsAShortPcmWave)
{
    const QByteArray wav = delivered("Commentaires/King_henru_march.wma.Wav");
    ASSERT_GT(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 20), 1);  // PCM
    const quint32 byteRate = qFromLittleEndian<quint32>(wav.constData() + 28);
    ASSERT_GT(byteRate, 0u);
    EXPECT_LT(double(wav.size()) / byteRate, 5.0);
}
