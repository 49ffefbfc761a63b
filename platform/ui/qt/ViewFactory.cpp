#include "platform/ui/qt/ViewFactory.h"

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/FocusFrame.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RichEditPrintPreview.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/WebBrowser.h"
#include "platform/ui/qt/ButtonViews.h"
#include "platform/ui/qt/ContainerViews.h"
#include "platform/ui/qt/DataViews.h"
#include "platform/ui/qt/FocusFrameView.h"
#include "platform/ui/qt/ImageView.h"
#include "platform/ui/qt/IndicatorViews.h"
#include "platform/ui/qt/LabelView.h"
#include "platform/ui/qt/ListBoxView.h"
#include "platform/ui/qt/PageControlView.h"
#include "platform/ui/qt/PrintPreviewView.h"
#include "platform/ui/qt/TextFieldViews.h"
#include "platform/ui/qt/TrackBarView.h"
#include "platform/ui/qt/WebBrowserView.h"

namespace uiqt {

namespace {

template <ContainerView::Look look>
auto container()
{
    return [](Renderer& renderer, ui::WinControl& control) {
        return std::make_unique<ContainerView>(renderer, control, look);
    };
}

}  // namespace

ViewFactory::ViewFactory()
{
    // General classes first: a later, more specific registration wins.
    add<ui::Control>([](Renderer& renderer, ui::Control& control) {
        return std::make_unique<ControlView>(renderer, control, new QWidget);
    });
    add<ui::WinControl>(container<ContainerView::Look::Plain>());
    add<ui::Panel>(container<ContainerView::Look::Panel>());
    add<ui::CoolBar>(container<ContainerView::Look::Band>());
    add<ui::ToolBar>(container<ContainerView::Look::Transparent>());
    add<ui::GroupBox, GroupBoxView>();
    add<ui::PageControl, PageControlView>();
    add<ui::Label, LabelView>();
    add<ui::Image, ImageView>();
    add<ui::Button, ButtonView>();
    add<ui::SpeedButton, SpeedButtonView>();
    add<ui::ToolButton, ToolButtonView>();
    add<ui::CheckBox, CheckBoxView>();
    add<ui::RadioButton, RadioButtonView>();
    add<ui::CustomEdit, EditView>();
    add<ui::ComboBox, ComboBoxView>();
    add<ui::DBComboBox, ComboBoxView>();
    add<ui::Memo, MemoView>();
    add<ui::RichEdit, RichEditView>();
    add<ui::ListBox, ListBoxView>();
    add<ui::Gauge, GaugeView>();
    add<ui::StatusBar, StatusBarView>();
    add<ui::DBGrid, DBGridView>();
    add<ui::DBNavigator, DBNavigatorView>();
    add<ui::WebBrowser, WebBrowserView>();
    add<ui::RichEditPrintPreview, PrintPreviewView>();
    add<ui::TrackBar, TrackBarView>();
    add<ui::FocusFrame, FocusFrameView>();
}

std::unique_ptr<ControlView> ViewFactory::make(Renderer& renderer, ui::Control& control) const
{
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry)
        if (entry->matches(control))
            return entry->make(renderer, control);
    return nullptr;
}

}  // namespace uiqt
