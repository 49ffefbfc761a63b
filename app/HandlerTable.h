#pragma once
// Menu entries and toolbar buttons run handlers by name, so an entry can be bound before the
// screen that serves it exists. Once the program runs whole, every name is bound (a test checks
// the menus and the toolbar); an unbound name is logged, never run in silence.
#include <QHash>
#include <QString>
#include <QtDebug>
#include <functional>

namespace app {

class HandlerTable {
public:
    using Handler = std::function<void()>;

    // Binding a name again replaces its handler.
    void bind(const QString& name, Handler handler) { m_handlers.insert(name, std::move(handler)); }
    bool bound(const QString& name) const { return m_handlers.contains(name); }
    // Exceptions reach the caller (the control that ran the handler shows them).
    void run(const QString& name) const
    {
        const auto it = m_handlers.constFind(name);
        if (it == m_handlers.cend() || !*it) {
            qWarning("No handler is bound to %s", qPrintable(name));
            return;
        }
        (*it)();
    }

private:
    QHash<QString, Handler> m_handlers;
};

}  // namespace app
