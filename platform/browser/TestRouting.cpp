#include "platform/browser/TestRouting.h"

#include <optional>

namespace browser {

namespace {

struct AppliedRouting {
    TestRouting routing;
    QByteArray caFile;
    curl_slist* connectTo = nullptr;

    AppliedRouting() = default;
    AppliedRouting(const AppliedRouting&) = delete;
    AppliedRouting& operator=(const AppliedRouting&) = delete;
    ~AppliedRouting() { curl_slist_free_all(connectTo); }
};

void install(std::optional<AppliedRouting>& slot, const TestRouting& routing)
{
    slot.reset();
    if (routing.connectTo.isEmpty() && routing.caFile.isEmpty())
        return;
    AppliedRouting& applied = slot.emplace();
    applied.routing = routing;
    applied.caFile = routing.caFile.toLocal8Bit();
    for (const QByteArray& entry : routing.connectTo)
        applied.connectTo = curl_slist_append(applied.connectTo, entry.constData());
}

std::optional<AppliedRouting>& current()
{
    static std::optional<AppliedRouting> routing;
    static bool read = false;
    if (!read) {
        read = true;
        install(routing, testRoutingOfEnvironment());
    }
    return routing;
}

}  // namespace

TestRouting testRoutingOfEnvironment()
{
    TestRouting routing;
    for (const QByteArray& entry : qgetenv("QVL_TEST_CONNECT_TO").split(','))
        if (!entry.trimmed().isEmpty())
            routing.connectTo.append(entry.trimmed());
    routing.caFile = qEnvironmentVariable("QVL_TEST_CA_FILE");
    return routing;
}

void setTestRouting(const TestRouting& routing)
{
    install(current(), routing);
}

void clearTestRouting()
{
    install(current(), testRoutingOfEnvironment());
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
