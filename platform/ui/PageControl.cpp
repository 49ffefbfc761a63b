#include "platform/ui/PageControl.h"

#include <algorithm>

namespace ui {

TabSheet::TabSheet(Form& form, const QString& name) : WinControl(form, name) {}

PageControl* TabSheet::pageControl() const { return dynamic_cast<PageControl*>(parent()); }

int TabSheet::pageIndex() const
{
    const PageControl* control = pageControl();
    if (!control)
        return -1;
    const auto& pages = control->pages();
    const auto it = std::find(pages.begin(), pages.end(), this);
    return it == pages.end() ? -1 : int(it - pages.begin());
}

PageControl::PageControl(Form& form, const QString& name) : WinControl(form, name) {}

void PageControl::childrenChanged()
{
    std::erase_if(m_pages, [this](TabSheet* page) { return page->parent() != this; });
    for (Control* child : controls())
        if (auto* page = dynamic_cast<TabSheet*>(child); page && std::find(m_pages.begin(), m_pages.end(), page) == m_pages.end()) {
            m_pages.push_back(page);
            layoutPages();
            page->setVisible(false);
            if (!m_activePage)
                setActivePage(page);
        }
    if (m_activePage && m_activePage->parent() != this) {
        m_activePage = nullptr;
        notify(Property::ActivePage);
    }
}

void PageControl::boundsChanged() { layoutPages(); }

void PageControl::layoutPages()
{
    const QRect display(kBorder, kTabRowHeight, std::max(0, width() - 2 * kBorder),
                        std::max(0, height() - kTabRowHeight - kBorder));
    for (TabSheet* page : m_pages)
        page->setBounds(display);
}

void PageControl::setActivePage(TabSheet* page)
{
    if (page == m_activePage || (page && page->parent() != this))
        return;
    TabSheet* previous = m_activePage;
    m_activePage = page;
    if (page)
        page->setVisible(true);
    if (previous)
        previous->setVisible(false);
    notify(Property::ActivePage);
}

void PageControl::userSelectPage(TabSheet* page)
{
    if (page == m_activePage || !page || page->parent() != this)
        return;
    setActivePage(page);
    if (onChange)
        guarded(onChange);
}

}  // namespace ui
