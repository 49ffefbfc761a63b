// Start-up held against hostile surroundings: a web host that never stops sending, files that
// are no regular files, a database locked by someone else at the moment it opens.
#include "MainWindowFixture.h"
#include "DeliveredLanguage.h"
#include "TestServers.h"

#include "app/SingleStart.h"
#include "platform/ui/Panel.h"

#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>

namespace {

// Kilobytes of this process's memory: its peak since the last reset, or what it holds now.
qint64 memoryKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

class HostileStart : public MainWindowTest {
protected:
    // Settings of a program that has a language and the given web host.
    void useWebHost(const QString& site)
    {
        program.write("Fichier.ini",
                      "[Language]\r\nLanguage=francais.txt\r\n[Hebergeur]\r\nSiteWeb=" + site.toUtf8() + "\r\n");
    }
    bool shown(const QString& text) const { return dialogTexts().contains(text); }
    // Every dialog of the run so far: caption, text and buttons.
    QStringList dialogsShown() const
    {
        QStringList shown;
        for (const ui::DialogRecord& r : dialogs.log())
            shown << r.caption + " | " + r.text + " | " + r.buttons.join(u',');
        return shown;
    }
    // Starts, and gives what was shown; the program is then ended.
    QStringList startAndEnd(const QStringList& answers)
    {
        start(answers);
        const QStringList shown = dialogsShown();
        entry.reset();
        dialogs.clearLog();
        dialogs.clearAnswers();
        return shown;
    }
};

}  // namespace

// An endless page grew the program until the machine ran out of memory; a page of a megabyte
// reached a message box. Both are failed checks now, and the program stays small.
TEST_F(HostileStart, AVersionPageWithoutEndOrTooLongIsAFailedCheck)
{
    QTemporaryDir site;
    ScriptServer host{QStringLiteral("http_server.py"), {site.path()}};
    for (const char* page : {"stream/endless", "stream/1048576", "sized/1048576"}) {
        useWebHost(QStringLiteral("http://127.0.0.1:%1/%2").arg(host.port()).arg(page));
        const qint64 before = memoryKb("VmRSS:");
        resetPeakMemory();
        app::TFrmPrin& w = start({"OK", "OK"});
        EXPECT_LT(memoryKb("VmHWM:") - before, 100 * 1024) << page;
        EXPECT_TRUE(shown(deliveredFrench().message(4))) << page << ": " << dialogTexts().join(" | ").left(300).toStdString();
        EXPECT_FALSE(w.settings.Qvlbool) << page;
        EXPECT_FALSE(shell.processEnded()) << page;
        entry.reset();
        dialogs.clearLog();
    }
}

// A pipe under the name of a file the program reads hung start-up for ever, waiting for a writer.
// It is a missing file now, and start-up shows what it shows for one.
TEST_F(HostileStart, APipeInPlaceOfAFileItReadsIsAMissingFile)
{
    struct Case {
        const char* file;  // in the program folder
        QByteArray settings;
        QStringList answers;
    };
    const Case cases[] = {
        {"Languages/klingon.txt", "[Language]\r\nLanguage=klingon.txt\r\n", {"OK", "Cancel"}},
        {"Thesaurus.txt", "[Language]\r\nLanguage=francais.txt\r\n", {}},
        {"Fichier.ini", "", {"Cancel"}},
    };
    for (const Case& c : cases) {
        const auto prepare = [&] {
            program.write("Fichier.ini", c.settings);
            QFile::remove(program.folder(c.file));
        };
        prepare();
        const QStringList missing = startAndEnd(c.answers);
        ASSERT_FALSE(missing.isEmpty()) << c.file;
        prepare();
        ASSERT_EQ(::mkfifo(QFile::encodeName(program.folder(c.file)).constData(), 0600), 0) << c.file;
        EXPECT_EQ(startAndEnd(c.answers), missing) << c.file;
        QFile::remove(program.folder(c.file));
        QFile::copy(QStringLiteral(QVL_PROGRAM_DIR "/") + c.file, program.folder(c.file));
    }
}

// Another program holding the database locked while the program starts: start-up waits for it,
// instead of stopping at once with "database is locked".
TEST_F(HostileStart, ADatabaseLockedWhileTheProgramStartsIsWaitedFor)
{
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(program.folder("Test1.bib")).constData(), &other,
                              SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread holder([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    app::TFrmPrin& w = start();
    holder.join();
    sqlite3_close(other);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join(" | ").toStdString();
    EXPECT_TRUE(w.get<ui::Panel>("Panel13").showing());
    EXPECT_TRUE(w.db.ADOConnection1.connected());
}

// Without a runtime folder the lock file lies in the shared temporary folder, where another user
// could stop the program from starting, silently, with a file of that name. Only another copy of
// the program ends a start without a word; anything else is shown, naming the file.
TEST_F(HostileStart, ALockFileOfSomeoneElseIsReportedBeforeTheStartEnds)
{
    QTemporaryDir temporary;
    const QString lockPath = temporary.filePath(QStringLiteral("Qvl_eZantor-1000.lock"));
    QFile(lockPath).open(QIODevice::WriteOnly);
    if (::chown(QFile::encodeName(lockPath).constData(), 65534, 65534) != 0)
        ::chmod(QFile::encodeName(lockPath).constData(), 0);
    shell::SingleInstance instance(lockPath);
    dialogs.answer("OK");
    EXPECT_FALSE(app::claimSingleStart(instance, application));
    ASSERT_EQ(dialogs.log().size(), 1u);
    EXPECT_TRUE(dialogs.log()[0].text.contains(lockPath)) << dialogs.log()[0].text.toStdString();
    EXPECT_EQ(dialogs.log()[0].buttons, QStringList{"OK"});
}

TEST_F(HostileStart, OnlyAnotherCopyRunningEndsTheStartSilently)
{
    QTemporaryDir runtime;
    const QString lockPath = runtime.filePath(QStringLiteral("Qvl_eZantor.lock"));
    shell::SingleInstance running(lockPath);
    ASSERT_TRUE(app::claimSingleStart(running, application));
    shell::SingleInstance second(lockPath);
    EXPECT_FALSE(app::claimSingleStart(second, application));
    running.release();
    EXPECT_TRUE(app::claimSingleStart(second, application));
    EXPECT_TRUE(dialogs.log().empty());
}
