#include "platform/scan/SaneSession.h"

#include <sane/sane.h>

namespace scan {

SaneSession::SaneSession()
{
    SANE_Int version = 0;
    m_initialised = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
}

SaneSession::~SaneSession()
{
    if (m_initialised)
        sane_exit();
}

QList<SourceEntry> SaneSession::devices() const
{
    QList<SourceEntry> found;
    const SANE_Device** list = nullptr;
    if (!m_initialised || sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return found;
    for (const SANE_Device** d = list; *d; ++d) {
        const QString name = QString::fromUtf8((*d)->name);
        QString label = QString::fromUtf8((*d)->vendor) + u' ' + QString::fromUtf8((*d)->model);
        found.append({QStringLiteral("sane:") + name, label.trimmed() + QStringLiteral(" (") + name + u')'});
    }
    return found;
}

}  // namespace scan
