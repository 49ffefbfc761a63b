// The one network access of start-up: the version check on the maker's web host (OK) or a test
// of the maker's FTP host (Cancel). A failure switches the shared base and every FTP transfer
// off for the run.
#include "app/FrmPrin.h"

#include "platform/net/Error.h"
#include "platform/shell/Shell.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"

namespace app {

namespace {

// The maker's page is a few lines: a longer answer is no version page, and its text never
// reaches a message box.
constexpr qint64 kVersionPageLimit = 64 * 1024;

// The text from the first "version " up to the "</p>" after it. Empty when either is missing: a
// page without them (a proxy's or a host's own notice) is no version page, whatever it holds.
QString versionText(const QString& page)
{
    const int start = text::Pos(QStringLiteral("version "), page);
    if (start == 0)
        return {};
    const QString rest = text::Copy(page, start, int(page.size()));
    const int end = text::Pos(QStringLiteral("</p>"), rest);
    return end == 0 ? QString() : text::Copy(rest, 1, end - 1);
}

}  // namespace

void TFrmPrin::StartupQuestion()
{
    ui::Application& app = application();
    MovePointer(440, 230);
    const ui::ModalResult answer = app.messageBox(tables.dialog(1), tables.dialog(2), ui::MessageButtons::OkCancel,
                                                  ui::MessageIcon::Warning);
    auto networkOff = [this] {
        settings.Qvlbool = false;
        settings.ftpboolOffAtStartup = settings.ftpbool;
        settings.ftpbool = false;
    };
    const QString site = settings.maker.webSite;

    if (answer == ui::ModalResult::Ok) {
        auto client = std::make_unique<net::HttpClient>(networkWaiting());
        QString found;
        try {
            if (site.isEmpty())
                throw net::Error(QStringLiteral("no web host configured"));
            found = versionText(QString::fromUtf8(client->get(site + QStringLiteral("/file/version.html"), kVersionPageLimit)));
        } catch (const net::Error&) {
            found.clear();
        }
        // A page without a version text is a failed check, never a different version.
        if (found.isEmpty()) {
            ShowMessageEntry(4);
            networkOff();
            return;
        }
        IdHTTP1 = std::move(client);
        if (found == ProgramVersion) {
            MovePointer(650, 550);
            ShowMessageEntry(8);
            MovePointer(200, 70);
            return;
        }
        app.showMessage(tables.message(5) + ProgramVersion + u'\r' + tables.message(6) + found + u'\r' +
                        tables.message(7));
        m_services.shell.open(site + QStringLiteral("/download.php?lng=fr"));
        copyDatabaseTo(QStringLiteral("C:\\Sauvegardes_journalieres\\Test1_") + BackupDateText +
                       QStringLiteral("_.bib"));
        KillProcessByName(programExeName());
        return;
    }

    if (IdFTP1.isConnected())
        IdFTP1.disconnect();
    net::FtpAccount account;
    account.host = settings.maker.ftpHost;
    account.port = settings.maker.ftpPort;
    account.user = settings.maker.ftpUser;
    account.password = settings.maker.ftpPassword;
    account.passive = true;
    try {
        IdFTP1.connect(account);
    } catch (const net::Error&) {
        networkOff();
        return;
    }
    IdFTP1.disconnect();
    MovePointer(260, 80);
}

}  // namespace app
