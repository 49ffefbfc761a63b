#include "platform/ui/NotificationBus.h"

#include <algorithm>

namespace ui {

int NotificationBus::subscribe(Observer observer)
{
    m_observers.emplace_back(m_nextId, std::move(observer));
    return m_nextId++;
}

void NotificationBus::unsubscribe(int id)
{
    std::erase_if(m_observers, [id](const auto& entry) { return entry.first == id; });
}

void NotificationBus::notify(Component& component, Property property) const
{
    if (m_observers.empty())
        return;
    // A copy, so that an observer may unsubscribe while being told.
    const auto observers = m_observers;
    const Notification notification{&component, property};
    for (const auto& entry : observers)
        entry.second(notification);
}

}  // namespace ui
