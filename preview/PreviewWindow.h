#pragma once
// The preview program's one window: the document on the left (loaded at start from
// "Etiquettes.RTF" in the working folder), its pages on the "Preview" tab with the navigation
// and zoom tool bar and the status bar, margins, units and header and footer bands on the
// "Configuration" tab, and the buttons that load another file or build a test document.
#include "platform/ui/Form.h"

namespace ui {
class Button;
class Edit;
class GroupBox;
class Label;
class MenuItem;
class PageControl;
class Panel;
class RadioButton;
class RichEdit;
class RichEditPrintPreview;
class SpeedButton;
class StatusBar;
class TabSheet;
class ToolBar;
class ToolButton;
class TrackBar;
}  // namespace ui

namespace preview {

class TFrmMain : public ui::Form {
public:
    explicit TFrmMain(ui::Application& application);

    ui::RichEdit* RichEdit1;
    ui::Panel* Splitter;
    ui::PageControl* PgCtrlPreview;
    ui::TabSheet* TShPreview;
    ui::TabSheet* TShConfig;
    ui::ToolBar* TBarNavigation;
    ui::ToolButton* TBtnFirstPage;
    ui::ToolButton* TBtnPreviousPage;
    ui::ToolButton* TBtnNextPage;
    ui::ToolButton* TBtnLastPage;
    ui::ToolButton* TBtnZoomMinus;
    ui::ToolButton* TBtnZoomPlus;
    ui::ToolButton* TBtnWholePage;
    ui::ToolButton* TBtnPageWidth;
    ui::ToolButton* TBtnShowMargins;
    ui::ToolButton* TBtnPrint;
    ui::TrackBar* TBarZoom;
    ui::StatusBar* SbrPreview;
    ui::GroupBox* GbxMargins;
    ui::Edit* EdtHeaderHeight;
    ui::Edit* EdtTopMargin;
    ui::Edit* EdtLeftMargin;
    ui::Edit* EdtRightMargin;
    ui::Edit* EdtBottomMargin;
    ui::Edit* EdtFooterHeight;
    ui::GroupBox* RgpUnit;
    ui::RadioButton* RbtMillimeter;
    ui::RadioButton* RbtInch;
    ui::GroupBox* GbxHeader;
    ui::Edit* EdtHeaderLeft;
    ui::Edit* EdtHeaderCenter;
    ui::Edit* EdtHeaderRight;
    ui::SpeedButton* SbtnHeaderFont;
    ui::GroupBox* GbxFooter;
    ui::Edit* EdtFooterLeft;
    ui::Edit* EdtFooterCenter;
    ui::Edit* EdtFooterRight;
    ui::SpeedButton* SBtnFooterFont;
    ui::Panel* PnlButton;
    ui::Button* BtnLoadFile;
    ui::Button* BtnBuild;
    ui::MenuItem* PMnuZoom;

    ui::RichEditPrintPreview* PrintPreview;
    // Holds a selection to print as plain text.
    ui::RichEdit* SelectionEdit;
    bool ZoomUpdating = false;
    bool ShowMarginsChecked = false;

private:
    void buildLayout();
    void buildConfiguration();
    void FormCreate();
    void FormShow();

    void ActFirstPageExecute();
    void ActPreviousPageExecute();
    void ActNextPageExecute();
    void ActLastPageExecute();
    void ActZoomMinusExecute();
    void ActZoomPlusExecute();
    void ActWholePageExecute();
    void ActPageWidthExecute();
    void ActScalePageExecute(int percent);
    void ActShowMarginsExecute();
    void ActPrintExecute();
    void BtnLoadFileClick();
    void BtnBuildClick();
    void PgCtrlPreviewChange();
    void RgpUnitClick();
    void marginEditExit(ui::Edit& edit, void (ui::RichEditPrintPreview::*set)(float));
    void bandFontClick(bool header);
    void TBarZoomChange();
    void PreviewScaleChange(float scale);
    void Printing(int page);

    void UpdateNavigation();
    void ShowMarginValues();
    void ShowBandTexts();
    // The document shown, with its title, paginated again from page 1.
    void loadDocument(const QString& nativePath);
};

}  // namespace preview
