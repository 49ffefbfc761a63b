#include "platform/ui/qt/DataViews.h"

#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/qt/Appearance.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <qdrawutil.h>

#include <algorithm>

namespace uiqt {

// The grid's rows as a table model; text typed into a cell goes to the grid as the user's edit.
class GridAdapter : public QAbstractTableModel {
public:
    explicit GridAdapter(ui::DBGrid& grid) : m_grid(grid) {}

    void reload()
    {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_grid.rowCount(); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(m_grid.columns().size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_grid.cellText(index.row(), index.column());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_grid.columns().size())
            return m_grid.columns()[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        if (!m_grid.readOnly())
            flags |= Qt::ItemIsEditable;
        return flags;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        ui::DBGrid& grid = m_grid;
        const int row = index.row();
        const int column = index.column();
        const QString text = value.toString();
        grid.application().post([&grid, row, column, text] { grid.userEditCell(row, column, text); });
        return true;
    }

private:
    ui::DBGrid& m_grid;
};

namespace {

// Draws the picture the grid's drawing handler gives for a cell, at the top of the cell and
// centred across it, over the cell's background.
class CellPictureDelegate : public QStyledItemDelegate {
public:
    CellPictureDelegate(ui::DBGrid& grid, QObject* parent) : QStyledItemDelegate(parent), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const ui::PicturePtr picture =
            m_grid.onDrawColumnCell ? m_grid.onDrawColumnCell(index.row(), index.column()) : nullptr;
        if (!picture) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
        const QImage image = toQImage(*picture);
        const QPoint at(option.rect.left() + (option.rect.width() - image.width()) / 2, option.rect.top());
        painter->drawImage(at, image);
    }

private:
    ui::DBGrid& m_grid;
};

}  // namespace

DBGridView::DBGridView(Renderer& renderer, ui::DBGrid& grid)
    : ControlView(renderer, grid, new QTableView), m_adapter(std::make_unique<GridAdapter>(grid))
{
    QTableView* view = table();
    view->setModel(m_adapter.get());
    view->setItemDelegate(new CellPictureDelegate(grid, view));
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    view->verticalHeader()->setDefaultSectionSize(18);
    view->horizontalHeader()->setHighlightSections(false);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, view,
                     [this, &grid](const QModelIndex& current) {
                         if (m_refreshPending || !current.isValid())
                             return;
                         if (current.row() == grid.currentRow() && current.column() == grid.selectedColumn())
                             return;
                         const int row = current.row();
                         const int column = current.column();
                         postUserAction([&grid, row, column] { grid.userSelectCell(row, column); });
                     });
}

DBGridView::~DBGridView()
{
    // The table goes with its window; it must not keep the adapter it no longer outlives.
    if (QTableView* view = table())
        view->setModel(nullptr);
}

QTableView* DBGridView::table() const { return static_cast<QTableView*>(widget()); }

void DBGridView::apply(ui::Property property)
{
    if (property == ui::Property::Data)
        scheduleRefresh();
    else
        ControlView::apply(property);
}

void DBGridView::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(table(), [this] { refresh(); }, Qt::QueuedConnection);
}

void DBGridView::refresh()
{
    m_refreshPending = true;
    m_adapter->reload();
    fitColumnsToTitles();
    auto& grid = static_cast<ui::DBGrid&>(control());
    const QModelIndex current = m_adapter->index(grid.currentRow(), grid.selectedColumn());
    if (current.isValid()) {
        table()->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        table()->scrollTo(current);
    }
    m_refreshPending = false;
}

void DBGridView::fitColumnsToTitles()
{
    // A reload gives every column the default width again, narrower than a long field name.
    QHeaderView* titles = table()->horizontalHeader();
    for (int column = 0; column < titles->count(); ++column)
        titles->resizeSection(column, std::max(titles->sectionSize(column), titles->sectionSizeHint(column)));
}

MouseRouting DBGridView::mouseRouting(const QWidget* receiver) const
{
    // Scroll bars, and a cell's editor while the user types into it.
    const bool editor = receiver->parentWidget() == table()->viewport();
    return isScrollBarPart(receiver) || editor ? MouseRouting::WidgetOnly : MouseRouting::ModelOnly;
}

bool DBGridView::keyToWidget(const QWidget* receiver, const QKeyEvent* event) const
{
    if (receiver->parentWidget() == table()->viewport() || !event)
        return true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return false;
    default: return true;
    }
}

void DBGridView::userPressed(QWidget* receiver, QPoint pos)
{
    auto& grid = static_cast<ui::DBGrid&>(control());
    QHeaderView* titles = table()->horizontalHeader();
    if (receiver == titles || receiver == titles->viewport()) {
        const QPoint inTitles = receiver == titles ? pos - titles->viewport()->pos() : pos;
        const int column = titles->logicalIndexAt(inTitles);
        if (column >= 0)
            postUserAction([&grid, column] { grid.userClickTitle(column); });
    } else if (receiver == table()->viewport()) {
        const QModelIndex cell = table()->indexAt(pos);
        if (cell.isValid())
            postUserAction([&grid, row = cell.row(), column = cell.column()] { grid.userSelectCell(row, column); });
    }
}

namespace {

// The navigator's buttons share its width as the model divides it (see DBNavigator::userClickAt).
QRect buttonRect(int index, int count, QSize size)
{
    const auto edge = [&](int i) { return int((qint64(i) * size.width() + count - 1) / count); };
    return QRect(edge(index), 0, edge(index + 1) - edge(index), size.height());
}

void drawSymbol(QPainter& painter, ui::DBNavigator::Button button, const QRect& box)
{
    using B = ui::DBNavigator::Button;
    const QPointF c = QRectF(box).center();
    const qreal s = std::min(box.width(), box.height()) / 4.0;
    const auto triangle = [&](qreal dx, bool left) {
        const qreal tip = left ? -s : s;
        painter.drawPolygon(QPolygonF{QPointF(c.x() + dx + tip, c.y()), QPointF(c.x() + dx - tip, c.y() - s),
                                      QPointF(c.x() + dx - tip, c.y() + s)});
    };
    switch (button) {
    case B::First:
        triangle(s / 2, true);
        painter.drawRect(QRectF(c.x() - s * 1.5, c.y() - s, s / 3, 2 * s));
        break;
    case B::Prior: triangle(0, true); break;
    case B::Next: triangle(0, false); break;
    case B::Last:
        triangle(-s / 2, false);
        painter.drawRect(QRectF(c.x() + s * 1.2, c.y() - s, s / 3, 2 * s));
        break;
    case B::Insert:
        painter.drawRect(QRectF(c.x() - s, c.y() - s / 5, 2 * s, s / 2.5));
        painter.drawRect(QRectF(c.x() - s / 5, c.y() - s, s / 2.5, 2 * s));
        break;
    case B::Delete: painter.drawRect(QRectF(c.x() - s, c.y() - s / 5, 2 * s, s / 2.5)); break;
    case B::Edit:
        painter.drawPolygon(QPolygonF{QPointF(c.x(), c.y() - s), QPointF(c.x() + s, c.y() + s / 2),
                                      QPointF(c.x() - s, c.y() + s / 2)});
        break;
    case B::Post:
        painter.drawPolyline(QPolygonF{QPointF(c.x() - s, c.y()), QPointF(c.x() - s / 3, c.y() + s * 0.7),
                                       QPointF(c.x() + s, c.y() - s * 0.8)});
        break;
    case B::Cancel:
        painter.drawLine(QPointF(c.x() - s, c.y() - s), QPointF(c.x() + s, c.y() + s));
        painter.drawLine(QPointF(c.x() + s, c.y() - s), QPointF(c.x() - s, c.y() + s));
        break;
    case B::Refresh:
        painter.drawArc(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), 30 * 16, 300 * 16);
        painter.drawPolygon(QPolygonF{QPointF(c.x() + s * 0.9, c.y() - s * 1.1), QPointF(c.x() + s * 1.3, c.y() - s * 0.2),
                                      QPointF(c.x() + s * 0.4, c.y() - s * 0.4)});
        break;
    }
}

class NavigatorWidget : public QWidget {
public:
    explicit NavigatorWidget(const ui::DBNavigator& navigator) : m_navigator(navigator) {}

    void setPressed(int index)
    {
        m_pressed = index;
        update();
    }

    int buttonAt(QPoint pos) const
    {
        const int count = int(m_navigator.visibleButtons().size());
        for (int i = 0; i < count; ++i)
            if (buttonRect(i, count, size()).contains(pos))
                return i;
        return -1;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const auto& buttons = m_navigator.visibleButtons();
        const int count = int(buttons.size());
        for (int i = 0; i < count; ++i) {
            const QRect box = buttonRect(i, count, size());
            qDrawShadePanel(&painter, box, palette(), i == m_pressed, 1, &palette().brush(QPalette::Button));
            const bool enabled = m_navigator.buttonEnabled(buttons[size_t(i)]);
            const QColor ink = enabled ? QColor(0, 0, 0) : palette().color(QPalette::Disabled, QPalette::WindowText);
            painter.setPen(QPen(ink, 1.5));
            painter.setBrush(ink);
            drawSymbol(painter, buttons[size_t(i)], box.translated(i == m_pressed ? QPoint(1, 1) : QPoint()));
        }
    }

private:
    const ui::DBNavigator& m_navigator;
    int m_pressed = -1;
};

}  // namespace

DBNavigatorView::DBNavigatorView(Renderer& renderer, ui::DBNavigator& navigator)
    : ControlView(renderer, navigator, new NavigatorWidget(navigator))
{
}

void DBNavigatorView::apply(ui::Property property)
{
    if (property == ui::Property::Data)
        widget()->update();
    else
        ControlView::apply(property);
}

void DBNavigatorView::userPressed(QWidget*, QPoint pos)
{
    auto* buttons = static_cast<NavigatorWidget*>(widget());
    buttons->setPressed(buttons->buttonAt(pos));
}

void DBNavigatorView::userReleased() { static_cast<NavigatorWidget*>(widget())->setPressed(-1); }

}  // namespace uiqt
