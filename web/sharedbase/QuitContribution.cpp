#include "web/sharedbase/QuitContribution.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "platform/db/BulkScope.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/text/TextLines.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "web/sharedbase/ImageBank.h"
#include "web/sharedbase/SharedBaseHost.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

namespace {

constexpr int kMostFailedConnections = 4;
// A record is one line; anything longer on the host is no record.
constexpr qint64 kLongestRecord = 64 * 1024;

BookValues bookValues(db::Query& rows)
{
    auto text = [&rows](const char* name) { return rows.fieldByName(QString::fromLatin1(name)).asString(); };
    return {text("Titre"),  text("Isbn13"), text("Auteur"),      text("Editeur"), text("Date_parution"),
            text("Pages"),  text("Images"), text("Descripteur"), text("Type"),    text("Genre"),
            text("Resume"), text("Mot_cle"), text("Langue"),     text("Prix_Client")};
}

}  // namespace

void QuitContribution::ContributeToSharedBase()
{
    m_quit = Quit::Menu;
    m_failedConnections = 0;
    m_reached = false;
    // Without the exchange nothing leaves the school: the start-up has already said so.
    if (m_frm.settings.ftpbool)
        m_frm.ShowMessageEntry(80);
    showProgress(true);
    recordPass();
    m_host.disconnect();
    coverPass(Quit::Menu);
    m_host.disconnect();
    showProgress(false);
}

void QuitContribution::ContributeToSharedBaseWithImageBank()
{
    m_quit = Quit::Toolbar;
    m_failedConnections = 0;
    m_reached = false;
    fillImageBank(m_frm, m_book.coverName);
    m_frm.ShowMessageEntry(197);
    if (!m_frm.settings.Qvlbool) {
        m_book.issuePanel.hide();
        return;
    }
    if (!m_host.connect())
        return;
    m_frm.ShowMessageEntry(198);
    showProgress(true);
    recordPass();
    coverPass(Quit::Toolbar);
    m_host.disconnect();
    showProgress(false);
}

void QuitContribution::recordPass()
{
    db::Query rows(m_frm.db.ADOConnection1);
    rows.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY numlivre"));
    rows.open();
    const QString localFolder = m_frm.AppDir + QStringLiteral("livres\\jaquettes\\");
    files::forceDirectories(localFolder);
    db::Field marks = rows.fieldByName(QStringLiteral("Photo_rangement"));
    db::BulkScope bulk(rows.connection());
    for (rows.first(); !rows.eof(); rows.next()) {
        if (marks.asString().contains(u'@'))
            continue;
        const BookValues book = bookValues(rows);
        const RecordPlace place = recordPlace(book.isbn13, book.titre, book.images);
        if (!isSafeRemoteName(place.name))
            continue;
        const QString local = localFolder + place.name;
        if (!text::writeScratchTextLines(files::nativePath(local), {recordLine(book)}))
            continue;
        note(rows.fieldByName(QStringLiteral("NumLivre")).asString());
        if (handled([&] { return sendRecord(local, place.folder, place.name); }))
            mark(rows, u'@');
    }
}

bool QuitContribution::sendRecord(const QString& localFile, const QString& remoteFolder, const QString& name)
{
    if (!connected())
        return false;
    const QString remote = remoteFolder + name;
    try {
        m_host.ChangeOrMakeRemoteDir(remoteFolder);
        // A title the base has already keeps the base's content; only its count rises.
        if (m_host.RemoteFileExists(remote)) {
            m_host.download(remote, localFile, kLongestRecord);
            QStringList lines;
            text::readTextLines(files::nativePath(localFile), lines);
            const QString line = withRaisedCount(lines.value(0));
            text::writeScratchTextLines(files::nativePath(localFile), {line});
            note(line);
        }
        m_host.upload(localFile, remote);
        note(remote);
        return true;
    } catch (const net::Error&) {
        // The next transfer starts on a new connection.
        m_host.disconnect();
        return false;
    }
}

void QuitContribution::coverPass(Quit quit)
{
    db::Query rows(m_frm.db.ADOConnection1);
    rows.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY numlivre"));
    rows.open();
    db::Field marks = rows.fieldByName(QStringLiteral("Photo_rangement"));
    db::Field isbn13 = rows.fieldByName(QStringLiteral("Isbn13"));
    db::Field images = rows.fieldByName(QStringLiteral("Images"));
    db::Field titre = rows.fieldByName(QStringLiteral("Titre"));
    const QString covers = m_frm.AppDir + catalogue::kCoversFolder;
    db::BulkScope bulk(rows.connection());
    for (rows.first(); !rows.eof(); rows.next()) {
        if (marks.asString().contains(u'&'))
            continue;
        const QString code = isbn13.asString();
        const QString coverName = images.asString();
        if (quit == Quit::Menu && coverName.size() == 9)
            continue;
        QString localFile, remoteName;
        if (code.size() < 13) {
            // A book without an ISBN is shared under its title's key.
            localFile = covers + (quit == Quit::Menu ? coverName : code + QStringLiteral(".jpg"));
            remoteName = TitleBankKey(titre.asString()) + QStringLiteral(".jpg");
        } else if (code.size() == 13 || quit == Quit::Toolbar) {
            localFile = covers + coverName;
            remoteName = coverName;
        } else {
            continue;
        }
        if (!isSafeRemoteName(remoteName) || remoteName == QStringLiteral(".jpg") || !files::fileExists(localFile))
            continue;
        const QString remote = QStringLiteral("/livres/") + coverFolder(remoteName, quit == Quit::Menu) + u'/' + remoteName;
        note(code);
        if (handled([&] { return sendCover(localFile, remote); }))
            mark(rows, u'&');
    }
}

bool QuitContribution::sendCover(const QString& localFile, const QString& remotePath)
{
    if (!connected())
        return false;
    try {
        if (m_host.RemoteFileExists(remotePath))
            return true;
        m_host.upload(localFile, remotePath);
        note(remotePath);
    } catch (const net::Error&) {
        m_host.disconnect();
        return false;
    }
    if (coverPauseMs > 0)
        m_frm.Delay(coverPauseMs);
    return true;
}

bool QuitContribution::handled(const std::function<bool()>& send) const
{
    if (m_frm.settings.ftpbool)
        return send();
    // Only the school's own choice keeps a row at home for good; a failed start-up check does not.
    return !m_frm.settings.ftpboolOffAtStartup;
}

bool QuitContribution::connected()
{
    if (m_failedConnections >= kMostFailedConnections)
        return false;
    if (m_frm.IdFTP1.isConnected() || m_host.connect()) {
        m_reached = true;
        return true;
    }
    // A host that never answered is out of reach: asking it again would only hold the way out.
    if (!m_reached) {
        m_failedConnections = kMostFailedConnections;
        return false;
    }
    if (++m_failedConnections == kMostFailedConnections)
        m_frm.ShowMessageEntry(m_quit == Quit::Menu ? 81 : 199);
    return false;
}

void QuitContribution::mark(db::Query& rows, QChar mark)
{
    db::Field field = rows.fieldByName(QStringLiteral("Photo_rangement"));
    // The mark goes in front; what no longer fits the field drops off its end.
    const QString marked = (mark + field.asString()).left(field.size() > 0 ? field.size() : 50);
    rows.edit();
    field.setAsString(marked);
    rows.post();
}

void QuitContribution::showProgress(bool visible)
{
    if (visible) {
        m_book.screen.show();
        m_book.tabs.setActivePage(&m_book.entryTab);
    }
    m_progressLine.setVisible(visible);
}

void QuitContribution::note(const QString& line)
{
    m_progressLine.clear();
    m_progressLine.setText(line);
}

}  // namespace sharedbase
