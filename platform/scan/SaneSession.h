#pragma once
// The SANE library for the length of one operation: initialised when made, ended when gone,
// so that nothing stays open between two operations.
#include "platform/scan/ImageSource.h"

#include <QList>

namespace scan {

class SaneSession {
public:
    SaneSession();
    ~SaneSession();
    SaneSession(const SaneSession&) = delete;
    SaneSession& operator=(const SaneSession&) = delete;

    bool initialised() const { return m_initialised; }
    // The scanners SANE finds, local and on the network, in its order.
    QList<SourceEntry> devices() const;

private:
    bool m_initialised = false;
};

}  // namespace scan
