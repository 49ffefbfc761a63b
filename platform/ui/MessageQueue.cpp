#include "platform/ui/MessageQueue.h"

#include <algorithm>

namespace ui {

void MessageQueue::push(Message message) { m_ready.push_back(std::move(message)); }

void MessageQueue::pushAt(qint64 due, std::function<void()> work)
{
    m_timed.emplace(std::make_pair(due, m_sequence++), std::move(work));
}

std::optional<Message> MessageQueue::take(qint64 now)
{
    while (!m_timed.empty() && m_timed.begin()->first.first <= now) {
        m_ready.push_back(WorkMessage{std::move(m_timed.begin()->second)});
        m_timed.erase(m_timed.begin());
    }
    if (m_ready.empty())
        return std::nullopt;
    Message message = std::move(m_ready.front());
    m_ready.pop_front();
    return message;
}

bool MessageQueue::hasReady(qint64 now) const
{
    return !m_ready.empty() || (!m_timed.empty() && m_timed.begin()->first.first <= now);
}

std::optional<qint64> MessageQueue::nextDue() const
{
    if (m_timed.empty())
        return std::nullopt;
    return m_timed.begin()->first.first;
}

void MessageQueue::removeKeyMessages()
{
    std::erase_if(m_ready, [](const Message& m) { return std::holds_alternative<KeyMessage>(m); });
}

}  // namespace ui
