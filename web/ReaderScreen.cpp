#include "web/ReaderScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"

namespace web {

void showStep(app::TFrmPrin& frm, const QString& text)
{
    if (const auto* entry = frm.findPart<catalogue::BookEntryScreen>())
        entry->controls().searchingText.setCaption(text);
}

void showStoredCover(app::TFrmPrin& frm, const QString& fileName)
{
    const QString path = files::folderFilePath(frm.AppDir + catalogue::kCoversFolder, fileName);
    if (const auto* entry = frm.findPart<catalogue::BookEntryScreen>())
        entry->controls().foundCover.setPicture(path.isEmpty() ? nullptr
                                                               : picture::loadPictureFile(files::nativePath(path)));
    frm.CoverFileName = fileName;
    frm.CoverFound = true;
}

QString coverFileOfCode(const QString& code)
{
    for (QChar c : code)
        if (!(c >= u'0' && c <= u'9') && !(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z'))
            return {};
    return code.isEmpty() ? QString() : code + QStringLiteral(".jpg");
}

QString pictureWithoutSizeSuffix(const QString& textBeforeJpg)
{
    const QString folder = QStringLiteral("/I/");
    const int at = text::Pos(folder, textBeforeJpg);
    const QString head = at == 0 ? QString() : textBeforeJpg.left(at - 1 + int(folder.size()));
    const QString name = textBeforeJpg.mid(head.size());
    return head + name.section(u'.', 0, 0) + QStringLiteral(".jpg");
}

QString textAfter(const QString& text, const QString& marker, int skip)
{
    const int at = text::Pos(marker, text);
    if (at == 0)
        return {};
    return text.mid(at - 1 + int(marker.size()) + skip);
}

QString textBefore(const QString& text, const QString& marker, int drop)
{
    const int at = text::Pos(marker, text);
    if (at == 0)
        return {};
    return text.left(qMax(0, at - 1 - drop));
}

}  // namespace web
