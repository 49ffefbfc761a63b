#pragma once
// The page of every other-media cover, one per title, that the screen's "Jaquettes" tab shows.
#include <QString>
#include <QStringList>

namespace catalogue {

// The whole page on one line; each cover file name is escaped, so that no name can break out
// of its picture's address.
QString otherMediaCoverPage(const QStringList& coverNames);

}  // namespace catalogue
