#include "platform/browser/TestRouting.h"

#include <optional>

namespace browser {

namespace {

struct AppliedRouting {
    TestRouting routing;
    QByteArray caFile;
    curl_slist* connectTo = nullptr;

    ~AppliedRouting() { curl_slist_free_all(connectTo); }
};

std::optional<AppliedRouting>& current()
{
    static std::optional<AppliedRouting> routing;
    return routing;
}

}  // namespace

void setTestRouting(const TestRouting& routing)
{
    clearTestRouting();
    AppliedRouting& applied = current().emplace();
    applied.routing = routing;
    applied.caFile = routing.caFile.toLocal8Bit();
    for (const QByteArray& entry : routing.connectTo)
        applied.connectTo = curl_slist_append(applied.connectTo, entry.constData());
}

void clearTestRouting()
{
    current().reset();
}

void applyTestRouting(CURL* easy)
{
    const std::optional<AppliedRouting>& applied = current();
    if (!applied)
        return;
    curl_easy_setopt(easy, CURLOPT_CONNECT_TO, applied->connectTo);
    if (!applied->caFile.isEmpty())
        curl_easy_setopt(easy, CURLOPT_CAINFO, applied->caFile.constData());
}

}  // namespace browser
