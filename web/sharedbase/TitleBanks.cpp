#include "web/sharedbase/TitleBanks.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/TextLines.h"
#include "platform/ui/Application.h"
#include "platform/ui/Color.h"
#include "platform/ui/Control.h"
#include "web/BookLookup.h"
#include "web/ReaderScreen.h"
#include "web/sharedbase/ImageBank.h"
#include "web/sharedbase/RecordOnEntryTab.h"
#include "web/sharedbase/SharedBaseWeb.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

namespace {

const QString kTitleBankFolder = QStringLiteral("alpha");

}  // namespace

bool TitleBanks::SearchTitleBanks()
{
    app::TFrmPrin& f = m_frm;
    const QString title = web::fieldText(f, "Edit4");
    // The flags describe this search, not what the previous look-up left.
    f.LookupFound = false;
    f.CoverFound = false;
    const QString key = TitleBankKey(title);
    // A key with a control character names no file of a bank.
    if (isSafeRemoteName(key)) {
        ReadLocalTitleBank(key);
        if (!f.LookupFound)
            ReadSharedTitleBank(key);
    }
    return f.application().messageBox(web::fieldText(f, "Edit4") + f.tables.dialog(23), f.tables.dialog(24),
                                      ui::MessageButtons::OkCancel, ui::MessageIcon::Warning) == ui::ModalResult::Ok;
}

void TitleBanks::ReadLocalTitleBank(const QString& key)
{
    app::TFrmPrin& f = m_frm;
    const QString path = imageBankRoot(f) + kTitleBankFolder + u'\\' + key + QStringLiteral(".txt");
    if (!files::fileExists(path))
        return;
    f.get<ui::Control>(QStringLiteral("Panel19")).setColor(ui::colors::yellow);
    QStringList lines;
    if (!text::readTextLines(files::nativePath(path), lines) || lines.isEmpty())
        return;
    showRecordOnEntryTab(f, recordValues(lines.first()), RecordReader::LocalTitleBank);
    ShowLocalTitleBankCover(key);
    web::setFieldText(f, "Edit10", QString());
}

void TitleBanks::ShowLocalTitleBankCover(const QString& key)
{
    app::TFrmPrin& f = m_frm;
    f.CoverFound = false;
    if (auto* lookup = f.findPart<web::BookLookup>())
        lookup->AsinEntry = false;
    const QString name = key + QStringLiteral(".jpg");
    web::setFieldText(f, "Edit61", name);
    const QString source = imageBankRoot(f) + kTitleBankFolder + u'\\' + name;
    const QString target = f.AppDir + catalogue::kCoversFolder + name;
    if (files::fileExists(source) && !files::fileExists(target))
        files::copyFile(source, target);
    // A bank file that is no picture is no cover.
    if (files::fileExists(target) && picture::loadPictureFile(files::nativePath(target)))
        web::showStoredCover(f, name);
}

void TitleBanks::ReadSharedTitleBank(const QString& key)
{
    app::TFrmPrin& f = m_frm;
    QString text;
    SharedBaseWeb base(f, m_pages, m_covers);
    const auto answer = base.readRecord(QStringLiteral("/livres/alpha/") + key + QStringLiteral(".txt"), text);
    web::setFieldText(f, "RichEdit4", QString());
    if (answer != catalogue::IssueSharedBase::Answer::Found) {
        // The base has not got the title: it is left alone until the program ends.
        f.LookupFound = false;
        f.settings.Qvlbool = false;
        return;
    }
    showRecordOnEntryTab(f, recordValues(text::splitLines(text).value(0)), RecordReader::SharedTitleBank);
    FetchTitleBankCover(key);
}

void TitleBanks::FetchTitleBankCover(const QString& key)
{
    app::TFrmPrin& f = m_frm;
    QString url;
    // The book has no code yet: its cover waits under the name the save completes.
    if (!SharedBaseWeb(f, m_pages, m_covers)
             .downloadCover(QStringLiteral("/livres/alpha/") + key + QStringLiteral(".jpg"), web::kPendingCoverName,
                            url))
        return;
    showPictureAddress(f, url);
    web::showStoredCover(f, web::kPendingCoverName);
}

}  // namespace sharedbase
