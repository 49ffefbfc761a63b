#include "web/sharedbase/SharedBaseReader.h"

#include "app/FrmPrin.h"
#include "app/Settings.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "web/ReaderScreen.h"
#include "web/sharedbase/RecordOnEntryTab.h"
#include "web/sharedbase/SharedBaseHost.h"
#include "web/sharedbase/SharedBaseWeb.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

bool SharedBaseReader::enabled(const app::Settings& settings) const { return settings.Qvlbool && settings.ftpbool; }

void SharedBaseReader::ReadSharedBaseRecord(app::TFrmPrin& frm)
{
    if (!frm.settings.Qvlbool)
        return;
    if (!SharedBaseHost(frm).reachable()) {
        frm.settings.Qvlbool = false;
        return;
    }
    const QString code = web::fieldText(frm, "Edit10");
    if (!isSafeRemoteName(code))
        return;
    web::showStep(frm, QStringLiteral("QvlBase data"));
    QString text;
    const auto answer = SharedBaseWeb(frm, m_pages, m_covers)
                            .readRecord(QStringLiteral("/livres/") + code.left(7) + u'/' + code + QStringLiteral(".txt"),
                                        text);
    web::setFieldText(frm, "RichEdit4", QString());
    if (answer != catalogue::IssueSharedBase::Answer::Found) {
        // Only a host out of reach leaves the base alone; a title it has not got changes nothing else.
        if (answer == catalogue::IssueSharedBase::Answer::Unreachable)
            frm.settings.Qvlbool = false;
        frm.LookupFound = false;
        web::setFieldText(frm, "Edit4", QString());
        return;
    }
    showRecordOnEntryTab(frm, recordValues(text::splitLines(text).value(0)), RecordReader::SharedBase);
    FetchSharedBaseCover(frm);
    web::setFieldText(frm, "Edit61", QStringLiteral("QvlZbase"));
}

void SharedBaseReader::FetchSharedBaseCover(app::TFrmPrin& frm)
{
    const QString code = text::Trim(web::fieldText(frm, "Edit10"));
    web::showStep(frm, QStringLiteral("QvlBase Image"));
    const QString fileName = code + QStringLiteral(".jpg");
    QString url;
    if (!SharedBaseWeb(frm, m_pages, m_covers)
             .downloadCover(QStringLiteral("/livres/") + code.left(7) + u'/' + fileName, fileName, url))
        return;
    showPictureAddress(frm, url);
    web::showStoredCover(frm, fileName);
}

}  // namespace sharedbase
