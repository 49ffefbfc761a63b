#include "platform/ui/qt/FileListingInDefaultLocale.h"

#include <QFileSystemModel>
#include <QLocale>

namespace uiqt {

namespace {

// The columns of Qt's file model.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

}  // namespace

QVariant FileListingInDefaultLocale::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == kSizeColumn && !files->isDir(source))
        return QLocale().formattedDataSize(files->size(source));
    if (index.column() == kDateColumn)
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
}

}  // namespace uiqt
