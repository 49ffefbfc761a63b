#include "platform/files/FolderFileName.h"

#include "platform/files/FileOps.h"

namespace files {

QString folderFileName(const QString& name)
{
    // Without separators a name is one component: only "." and ".." themselves lead elsewhere.
    if (name == u'.' || name == QLatin1String(".."))
        return {};
    for (QChar c : name)
        if (c == u'\\' || c == u'/' || c == u':' || c.category() == QChar::Other_Control)
            return {};
    return name;
}

QString folderFilePath(const QString& folder, const QString& name)
{
    const QString file = folderFileName(name);
    return file.isEmpty() ? QString() : folder + file;
}

bool folderFileExists(const QString& folder, const QString& name)
{
    const QString path = folderFilePath(folder, name);
    return !path.isEmpty() && fileExists(path);
}

}  // namespace files
