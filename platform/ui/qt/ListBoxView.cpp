#include "platform/ui/qt/ListBoxView.h"

#include "platform/ui/ComboBox.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace uiqt {

ListBoxView::ListBoxView(Renderer& renderer, ui::ListBox& list) : ControlView(renderer, list, new QListWidget) {}

void ListBoxView::apply(ui::Property property)
{
    auto* items = static_cast<QListWidget*>(widget());
    auto& list = static_cast<ui::ListBox&>(control());
    switch (property) {
    case ui::Property::Items: {
        const QSignalBlocker blocker(items);
        items->clear();
        items->addItems(list.items());
        items->setCurrentRow(list.itemIndex());
        break;
    }
    case ui::Property::ItemIndex: {
        const QSignalBlocker blocker(items);
        items->setCurrentRow(list.itemIndex());
        break;
    }
    default: ControlView::apply(property); break;
    }
}

MouseRouting ListBoxView::mouseRouting(const QWidget* receiver) const
{
    return isScrollBarPart(receiver) ? MouseRouting::WidgetOnly : MouseRouting::ModelOnly;
}

void ListBoxView::userPressed(QWidget* receiver, QPoint pos)
{
    auto* items = static_cast<QListWidget*>(widget());
    if (receiver != items->viewport())
        return;
    const int row = items->indexAt(pos).row();
    if (row < 0)
        return;
    auto& list = static_cast<ui::ListBox&>(control());
    postUserAction([&list, row] { list.userSelectItem(row); });
}

}  // namespace uiqt
