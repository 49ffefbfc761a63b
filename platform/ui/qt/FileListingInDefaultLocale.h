#pragma once
// The file dialog's listing with its sizes and dates written in the program's default locale:
// Qt's own file model writes them in the system locale, English on a machine set up without one.
#include <QIdentityProxyModel>

namespace uiqt {

class FileListingInDefaultLocale : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

}  // namespace uiqt
