#include "web/sharedbase/ImageBank.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "platform/ui/Color.h"
#include "platform/ui/Control.h"
#include "platform/ui/Edit.h"
#include "web/ReaderScreen.h"
#include "web/sharedbase/RecordOnEntryTab.h"
#include "web/sharedbase/SharedBookRecord.h"

#include <QScopeGuard>

namespace sharedbase {

QString imageBankRoot(const app::TFrmPrin& frm) { return frm.AppDir.left(3) + QStringLiteral("Banque_images\\"); }

bool isImageBankPlaceholder(qint64 size)
{
    return size == 15929 || size == 22551 || size == 26077 || size == 140668;
}

void ImageBankReader::ReadImageBankRecord(app::TFrmPrin& frm)
{
    frm.LookupFound = false;
    web::showStep(frm, QStringLiteral("BanqueImage data"));
    // The search panel turns yellow while a bank record is read, and takes the system's
    // hot-light blue again afterwards, found or not.
    auto& panel = frm.get<ui::Control>(QStringLiteral("Panel19"));
    const auto restore = qScopeGuard([&panel] { panel.setColor(ui::Color::rgb(0, 102, 204)); });
    const QString code = web::fieldText(frm, "Edit10");
    const QString path = imageBankRoot(frm) + code.left(7) + u'\\' + code + QStringLiteral(".txt");
    if (!isSafeRemoteName(code) || !files::fileExists(path))
        return;
    panel.setColor(ui::colors::yellow);
    QStringList lines;
    if (!text::readTextLines(files::nativePath(path), lines) || lines.isEmpty())
        return;
    showRecordOnEntryTab(frm, recordValues(lines.first()), RecordReader::ImageBank);
    ShowImageBankCover(frm);
}

void ImageBankReader::ShowImageBankCover(app::TFrmPrin& frm)
{
    frm.CoverFound = false;
    web::showStep(frm, QStringLiteral("BanqueImage Image"));
    const QString name = web::fieldText(frm, "Edit61");
    if (!isSafeRemoteName(name))
        return;
    const QString source = imageBankRoot(frm) + name.left(7) + u'\\' + name;
    const QString target = frm.AppDir + catalogue::kCoversFolder + name;
    if (files::fileExists(source) && !files::fileExists(target))
        files::copyFile(source, target);
    // A bank file that is no picture is no cover; it stays in the covers folder as it came.
    if (files::fileExists(target) && picture::loadPictureFile(files::nativePath(target)))
        web::showStoredCover(frm, name);
}

void fillImageBank(app::TFrmPrin& frm)
{
    const QString root = imageBankRoot(frm);
    if (!files::directoryExists(root))
        return;
    db::Query rows(frm.db.ADOConnection1);
    rows.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY numlivre"));
    rows.open();
    db::Field isbn13 = rows.fieldByName(QStringLiteral("Isbn13"));
    db::Field images = rows.fieldByName(QStringLiteral("Images"));
    auto* coverName = frm.find<ui::CustomEdit>(QStringLiteral("Edit61"));
    for (rows.first(); !rows.eof(); rows.next()) {
        const QString name = images.asString();
        if (coverName)
            coverName->setText(name);
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
