#include "web/CoverFolderCheck.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "loans/LoanScreen.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureConversion.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"

#include <QFile>

namespace web {

CoverFolderCheck::CoverFolderCheck(app::TFrmPrin& frm) : m_frm(frm)
{
    frm.handlers.bind(QStringLiteral("VrifImages1Click"), [this] { VrifImages1Click(); });
}

void CoverFolderCheck::VrifImages1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    if (const auto* loan = f.findPart<loans::LoanScreen>())
        loan->controls().screen.setVisible(true);
    f.application().messageBox(f.tables.message(202) + QStringLiteral("..\\livres\\Jaquettes\\"),
                               f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::None);
    repairCoverNames();
    // The folder is listed before anything in it is renamed.
    const QStringList names = files::listFiles(f.AppDir + catalogue::kCoversFolder, QStringLiteral("*.jpg"));
    for (const QString& name : names) {
        f.application().processMessages();
        checkCoverFile(name);
    }
    f.ShowMessageEntry(203);
}

void CoverFolderCheck::repairCoverNames()
{
    // Its own statement: the scratch query holds whatever the last command left in it.
    db::Query books(m_frm.db.ADOConnection1);
    books.setSql(QStringLiteral("SELECT * FROM table1"));
    books.open();
    for (books.first(); !books.eof(); books.next()) {
        db::Field cover = books.fieldByName(QStringLiteral("Images"));
        const QString name = cover.asString();
        if (name.size() != 9 && name != catalogue::kNoPicture)
            continue;
        books.edit();
        cover.setAsString(books.fieldByName(QStringLiteral("Isbn13")).asString() + QStringLiteral(".jpg"));
        books.post();
    }
}

void CoverFolderCheck::checkCoverFile(const QString& name)
{
    app::TFrmPrin& f = m_frm;
    const QString folder = f.AppDir + catalogue::kCoversFolder;
    // A native name may hold what the program reads as a separator.
    if (files::folderFileName(name).isEmpty() || text::SameText(name, catalogue::kNoPicture))
        return;
    QString current = name;
    const QString single = ReplaceAll(name, QStringLiteral("__"), QStringLiteral("_"));
    if (single != name && !files::fileExists(folder + single) && files::renameFile(folder + name, folder + single)) {
        // Books named after the old file follow it.
        f.db.ADOConnection1.execute(QStringLiteral("UPDATE table1 SET Images = ? WHERE Images = ?"), {single, name});
        current = single;
    }
    const QString path = folder + current;
    const QString native = files::nativePath(path);
    if (files::fileSize(path) == 0) {
        files::deleteFile(path);
        return;
    }
    QFile file(native);
    // A file that cannot be opened says nothing against its content.
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    picture::Refusal refusal = picture::Refusal::None;
    const ui::PicturePtr cover = picture::decodePicture(bytes, &refusal);
    // A picture the decoder refuses for a bound of its own is still a picture: it stays.
    if (!cover) {
        if (refusal == picture::Refusal::Broken)
            files::deleteFile(path);
        return;
    }
    if (picture::detectFormat(bytes) != picture::Format::Jpeg)
        picture::convertToJpeg(native, native);
    if (const auto* loan = f.findPart<loans::LoanScreen>())
        loan->controls().cover.setPicture(cover);
}

}  // namespace web
