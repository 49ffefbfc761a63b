#include "web/sharedbase/ImageBank.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "platform/ui/Edit.h"
#include "web/sharedbase/RecordOnEntryTab.h"
#include "web/sharedbase/SharedBookRecord.h"

#include <QScopeGuard>

namespace sharedbase {

QString imageBankRoot(const app::TFrmPrin& frm) { return frm.AppDir.left(3) + QStringLiteral("Banque_images\\"); }

bool isImageBankPlaceholder(qint64 size)
{
    return size == 15929 || size == 22551 || size == 26077 || size == 140668;
}

web::BookRecord ImageBankReader::ask(const web::LookupQuery& query)
{
    web::BookRecord record;
    record.found = false;
    query.step(QStringLiteral("BanqueImage data"));
    const auto unmark = qScopeGuard([&query] { query.bankReading(false); });
    const QString& code = query.code;
    const QString path = imageBankRoot(m_frm) + code.left(7) + u'\\' + code + QStringLiteral(".txt");
    if (!isSafeRemoteName(code) || !files::fileExists(path))
        return record;
    query.bankReading(true);
    QStringList lines;
    if (!text::readTextLines(files::nativePath(path), lines) || lines.isEmpty())
        return record;
    record = recordOnEntryTab(recordValues(lines.first()), RecordReader::ImageBank, code);
    record.found = record.found.value_or(false);
    record.replacesCover = true;
    const QString name = *record.coverName;
    if (isSafeRemoteName(name))
        record.picture = imageBankRoot(m_frm) + name.left(7) + u'\\' + name;
    return record;
}

void ImageBankReader::fetchCover(const web::LookupQuery& query, web::BookRecord& record)
{
    if (!record.replacesCover)
        return;
    query.step(QStringLiteral("BanqueImage Image"));
    if (record.picture.isEmpty())
        return;
    const QString name = *record.coverName;
    const QString target = m_frm.AppDir + catalogue::kCoversFolder + name;
    if (files::fileExists(record.picture) && !files::fileExists(target))
        files::copyFile(record.picture, target);
    // A bank file that is no picture is no cover; it stays in the covers folder as it came.
    if (files::fileExists(target) && picture::loadPictureFile(files::nativePath(target)))
        record.coverFile = name;
}

void fillImageBank(app::TFrmPrin& frm, ui::Edit& coverName)
{
    const QString root = imageBankRoot(frm);
    if (!files::directoryExists(root))
        return;
    db::Query rows(frm.db.ADOConnection1);
    rows.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY numlivre"));
    rows.open();
    db::Field isbn13 = rows.fieldByName(QStringLiteral("Isbn13"));
    db::Field images = rows.fieldByName(QStringLiteral("Images"));
    for (rows.first(); !rows.eof(); rows.next()) {
        const QString name = images.asString();
        coverName.setText(name);
        const QString code = isbn13.asString();
        if (code.size() != 13 || !isSafeRemoteName(name))
            continue;
        const QString folder = root + code.left(7) + u'\\';
        const QString cover = frm.AppDir + catalogue::kCoversFolder + name;
        if (files::fileExists(cover) && !files::fileExists(folder + name) && files::forceDirectories(folder))
            files::copyFile(cover, folder + name);
    }
}

}  // namespace sharedbase
