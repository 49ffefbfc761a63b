#include "web/sharedbase/SharedBaseReader.h"

#include "app/FrmPrin.h"
#include "app/Settings.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "web/sharedbase/RecordOnEntryTab.h"
#include "web/sharedbase/SharedBaseHost.h"
#include "web/sharedbase/SharedBaseWeb.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

namespace {

    QString titleFolder(const QString& code)
    {
        return QStringLiteral("/livres/") + code.left(7) + u'/';
    }

}  // namespace

bool SharedBaseReader::enabled(const app::Settings& settings) const { return settings.Qvlbool && settings.ftpbool; }

web::BookRecord SharedBaseReader::ask(const web::LookupQuery& query)
{
    app::Settings& settings = m_frm.settings;
    if (!settings.Qvlbool)
        return {};
    if (!SharedBaseHost(m_frm).reachable()) {
        settings.Qvlbool = false;
        return {};
    }
    const QString& code = query.code;
    if (!isSafeRemoteName(code))
        return {};
    query.step(QStringLiteral("QvlBase data"));
    QString text;
    const auto answer =
        SharedBaseWeb(m_frm, m_pages, m_covers).readRecord(titleFolder(code) + code + QStringLiteral(".txt"), text);
    if (answer != catalogue::IssueSharedBase::Answer::Found) {
        // Only a host out of reach leaves the base alone; a title it has not got changes nothing else.
        if (answer == catalogue::IssueSharedBase::Answer::Unreachable)
            settings.Qvlbool = false;
        web::BookRecord record;
        record.summary = QString();
        record.found = false;
        record.title = QString();
        return record;
    }
    web::BookRecord record =
        recordOnEntryTab(recordValues(text::splitLines(text).value(0)), RecordReader::SharedBase, code);
    record.picture = titleFolder(text::Trim(code)) + text::Trim(code) + QStringLiteral(".jpg");
    return record;
}

void SharedBaseReader::fetchCover(const web::LookupQuery& query, web::BookRecord& record)
{
    if (record.picture.isEmpty())
        return;
    query.step(QStringLiteral("QvlBase Image"));
    const QString fileName = text::Trim(query.code) + QStringLiteral(".jpg");
    QString url;
    if (SharedBaseWeb(m_frm, m_pages, m_covers).downloadCover(record.picture, fileName, url)) {
        record.coverFile = fileName;
        record.coverAddress = url;
    }
}

}  // namespace sharedbase
