#include "app/ListFiles.h"

#include "app/FrmPrin.h"
#include "platform/files/FileOps.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFileRecord.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"

#include <initializer_list>

namespace app {

namespace {

void fillBoxes(TFrmPrin& frm, std::initializer_list<const char*> names, const QStringList& entries)
{
    for (const char* name : names)
        frm.get<ui::ComboBox>(QString::fromLatin1(name)).setItems(entries);
}

void loadListFile(TFrmPrin& frm, const QString& fileName, std::initializer_list<const char*> boxes)
{
    const QString path = frm.AppDir + fileName;
    QStringList entries;
    try {
        entries = readListFile(frm.OutputFile, path);
    } catch (const files::FileError&) {
        frm.application().showMessage(QStringLiteral("Le fichier %1 est introuvable ou illisible : sa liste reste vide.").arg(files::shownPath(path)));
    }
    fillBoxes(frm, boxes, entries);
}

}  // namespace

QStringList readListFile(files::TextFileRecord& file, const QString& windowsPath)
{
    file.assign(windowsPath);
    file.reset();
    QStringList entries;
    do
        entries << file.readln();
    while (!file.eof());
    file.close();
    return entries;
}

void bindListFiles(TFrmPrin& frm)
{
    frm.handlers.bind(QStringLiteral("LoadListFiles"), [&frm] { loadListFiles(frm); });
}

void loadListFiles(TFrmPrin& frm)
{
    loadListFile(frm, QStringLiteral("TYPE.txt"), {"DBComboBox7"});
    loadListFile(frm, QStringLiteral("GENRE.txt"), {"DBComboBox8", "ComboBox12"});
    loadListFile(frm, QStringLiteral("TYPE_AUTRE_SUPPORT.txt"), {"DBComboBox9", "ComboBox6"});

    const QString places = frm.AppDir + QStringLiteral("Photo_Rangement\\");
    fillBoxes(frm, {"DBComboBox6", "ComboBox11", "DBComboBox10"}, files::listFiles(places));
    QStringList folders;
    if (files::directoryExists(places))
        folders << QStringLiteral(".") << QStringLiteral("..") << files::listDirectories(places);
    frm.get<ui::ListBox>(QStringLiteral("ListBox2")).setItems(folders);
}

}  // namespace app
