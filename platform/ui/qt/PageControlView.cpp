#include "platform/ui/qt/PageControlView.h"

#include "platform/ui/Menu.h"
#include "platform/ui/PageControl.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QTabBar>
#include <qdrawutil.h>

namespace uiqt {

namespace {

class PagesWidget : public QWidget {
public:
    PagesWidget() : m_tabs(new QTabBar(this))
    {
        m_tabs->setExpanding(false);
        m_tabs->setDrawBase(false);
    }

    QTabBar* tabs() const { return m_tabs; }

protected:
    void resizeEvent(QResizeEvent*) override { m_tabs->setGeometry(0, 0, width(), ui::PageControl::kTabRowHeight); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect frame(0, ui::PageControl::kTabRowHeight - 2, width(), height() - ui::PageControl::kTabRowHeight + 2);
        qDrawShadePanel(&painter, frame, palette(), false, 1);
    }

private:
    QTabBar* m_tabs;
};

}  // namespace

PageControlView::PageControlView(Renderer& renderer, ui::PageControl& pages)
    : ControlView(renderer, pages, new PagesWidget)
{
}

QTabBar* PageControlView::tabBar() const { return static_cast<PagesWidget*>(widget())->tabs(); }

void PageControlView::apply(ui::Property property)
{
    if (property == ui::Property::ActivePage)
        syncTabs();
    else
        ControlView::apply(property);
}

void PageControlView::childChanged(ui::Control& child, ui::Property property)
{
    if (property == ui::Property::Parent || property == ui::Property::Text)
        syncTabs();
}

void PageControlView::syncTabs()
{
    auto& pages = static_cast<ui::PageControl&>(control());
    QTabBar* tabs = tabBar();
    const QSignalBlocker blocker(tabs);
    const int count = int(pages.pages().size());
    while (tabs->count() > count)
        tabs->removeTab(tabs->count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString text = ui::stripAccelerator(pages.pages()[size_t(i)]->caption());
        if (i < tabs->count())
            tabs->setTabText(i, text);
        else
            tabs->addTab(text);
    }
    tabs->setCurrentIndex(pages.activePage() ? pages.activePage()->pageIndex() : -1);
}

MouseRouting PageControlView::mouseRouting(const QWidget* receiver) const
{
    // The tab row's scroll arrows, when the tabs do not fit.
    const bool arrow = receiver != tabBar() && tabBar()->isAncestorOf(receiver);
    return arrow ? MouseRouting::WidgetOnly : MouseRouting::ModelOnly;
}

void PageControlView::userPressed(QWidget* receiver, QPoint pos)
{
    if (receiver != tabBar())
        return;
    const int index = tabBar()->tabAt(pos);
    auto& pages = static_cast<ui::PageControl&>(control());
    if (index < 0 || index >= int(pages.pages().size()))
        return;
    ui::TabSheet* page = pages.pages()[size_t(index)];
    postUserAction([&pages, page] { pages.userSelectPage(page); });
}

}  // namespace uiqt
