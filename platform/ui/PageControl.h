#pragma once
// A page control and its tab sheets. Only the active sheet is visible, so only its controls can
// be clicked or focused. Choosing a tab from code does not run OnChange; the user's choice does.
#include "platform/ui/WinControl.h"

namespace ui {

class PageControl;

class TabSheet : public WinControl {
public:
    TabSheet(Form& form, const QString& name);

    PageControl* pageControl() const;
    int pageIndex() const;
};

class PageControl : public WinControl {
public:
    // The sheets' place inside the page control: below one row of tabs at the top.
    static constexpr int kTabRowHeight = 24;
    static constexpr int kBorder = 4;

    PageControl(Form& form, const QString& name);

    // In tab order (the order the sheets were added).
    const std::vector<TabSheet*>& pages() const { return m_pages; }
    TabSheet* activePage() const { return m_activePage; }
    void setActivePage(TabSheet* page);
    // The user chose a tab: the page changes and OnChange runs (once per real change). Called
    // from the message loop: the renderer and the test driver post it as input.
    void userSelectPage(TabSheet* page);

    // Runs after the user changed the page. An exception leaving it shows in the standard error
    // box and ends only it.
    NotifyEvent onChange;

protected:
    void childrenChanged() override;
    void boundsChanged() override;

private:
    void layoutPages();

    std::vector<TabSheet*> m_pages;
    TabSheet* m_activePage = nullptr;
};

}  // namespace ui
