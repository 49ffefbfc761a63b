#include "web/sharedbase/TitleBanks.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/TextLines.h"
#include "platform/ui/Application.h"
#include "platform/ui/Color.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"
#include "web/BookRecord.h"
#include "web/EntryTabRecord.h"
#include "web/ReaderScreen.h"
#include "web/sharedbase/ImageBank.h"
#include "web/sharedbase/RecordOnEntryTab.h"
#include "web/sharedbase/SharedBaseWeb.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

bool TitleBanks::SearchTitleBanks()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& book = m_book;
    const QString title = book.title.text();
    // The flags describe this search, not what the previous look-up left.
    f.LookupFound = false;
    f.CoverFound = false;
    const QString key = TitleBankKey(title);
    // A key with a control character names no file of a bank.
    if (isSafeRemoteName(key)) {
        if (files::fileExists(localTitleBankFile(key + QStringLiteral(".txt")))) {
            book.searching.setColor(ui::colors::yellow);
            if (auto record = readLocalTitleBank(key)) {
                web::showRecord(f, *record);
                fetchLocalTitleBankCover(key, *record);
                web::showRecordCover(f, *record);
            }
        }
        if (!f.LookupFound) {
            web::BookRecord record = readSharedTitleBank(key);
            web::showRecord(f, record);
            fetchSharedTitleBankCover(record);
            web::showRecordCover(f, record);
        }
    }
    return f.application().messageBox(book.title.text() + f.tables.dialog(23), f.tables.dialog(24),
                                      ui::MessageButtons::OkCancel, ui::MessageIcon::Warning) == ui::ModalResult::Ok;
}

QString TitleBanks::localTitleBankFile(const QString& name) const
{
    return imageBankRoot(m_frm) + QStringLiteral("alpha\\") + name;
}

std::optional<web::BookRecord> TitleBanks::readLocalTitleBank(const QString& key) const
{
    QStringList lines;
    if (!text::readTextLines(files::nativePath(localTitleBankFile(key + QStringLiteral(".txt"))), lines) ||
        lines.isEmpty())
        return std::nullopt;
    web::BookRecord record = recordOnEntryTab(recordValues(lines.first()), RecordReader::LocalTitleBank, QString());
    record.dropsProductNumber = true;
    record.replacesCover = true;
    record.coverName = key + QStringLiteral(".jpg");
    return record;
}

void TitleBanks::fetchLocalTitleBankCover(const QString& key, web::BookRecord& record) const
{
    const QString name = key + QStringLiteral(".jpg");
    const QString source = localTitleBankFile(name);
    const QString target = m_frm.AppDir + catalogue::kCoversFolder + name;
    if (files::fileExists(source) && !files::fileExists(target))
        files::copyFile(source, target);
    // A bank file that is no picture is no cover.
    if (files::fileExists(target) && picture::loadPictureFile(files::nativePath(target)))
        record.coverFile = name;
}

web::BookRecord TitleBanks::readSharedTitleBank(const QString& key)
{
    QString text;
    SharedBaseWeb base(m_frm, m_pages, m_covers);
    const auto answer = base.readRecord(QStringLiteral("/livres/alpha/") + key + QStringLiteral(".txt"), text);
    if (answer != catalogue::IssueSharedBase::Answer::Found) {
        // The base has not got the title: it is left alone until the program ends.
        m_frm.settings.Qvlbool = false;
        web::BookRecord record;
        record.summary = QString();
        record.found = false;
        return record;
    }
    web::BookRecord record =
        recordOnEntryTab(recordValues(text::splitLines(text).value(0)), RecordReader::SharedTitleBank, QString());
    record.summary = QString();
    record.picture = QStringLiteral("/livres/alpha/") + key + QStringLiteral(".jpg");
    return record;
}

void TitleBanks::fetchSharedTitleBankCover(web::BookRecord& record)
{
    if (record.picture.isEmpty())
        return;
    QString url;
    // The book has no code yet: its cover waits under the name the save completes.
    if (SharedBaseWeb(m_frm, m_pages, m_covers).downloadCover(record.picture, web::kPendingCoverName, url)) {
        record.coverFile = web::kPendingCoverName;
        record.coverAddress = url;
    }
}

}  // namespace sharedbase
