#include "preview/PreviewWindow.h"

#include "platform/files/FileError.h"
#include "platform/files/WindowsPath.h"
#include "platform/richtext/RichEditContent.h"
#include "platform/richtext/RtfReader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Picture.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/RichEditPrintPreview.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/TrackBar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QScopeGuard>
#include <array>
#include <tuple>
#include <cmath>

namespace preview {

namespace {

const QString kLabelFile = QStringLiteral("Etiquettes.RTF");

QString fixed3(float value) { return QLocale::system().toString(double(value), 'f', 3); }

// The tool bar's pictures: the symbol of each command, drawn once.
ui::PicturePtr drawToolIcon(const QString& symbol)
{
    QImage image(18, 18, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, symbol);
    painter.end();
    std::vector<quint32> pixels(size_t(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels[size_t(y * image.width() + x)] = image.pixel(x, y);
    return std::make_shared<const ui::Picture>(image.width(), image.height(), std::move(pixels));
}

QByteArray readFile(const QString& nativePath, const QString& shownPath)
{
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly))
        throw files::FileError(QStringLiteral("Impossible d'ouvrir le fichier \"%1\".").arg(shownPath));
    return file.readAll();
}

}  // namespace

TFrmMain::TFrmMain(ui::Application& application) : ui::Form(application, QStringLiteral("FrmMain"))
{
    buildLayout();
    onShow = [this] { FormShow(); };
    FormCreate();
}

void TFrmMain::buildLayout()
{
    setCaption(QStringLiteral("PrintPreview component test"));
    setBounds(QRect(200, 100, 670, 742));
    auto* menu = createComponent<ui::MainMenu>(QStringLiteral("MainMenu1"));
    setMenu(menu);
    setClientSize(QSize(654, 684));
    const int clientW = 654, clientH = 684, buttonsH = 41;

    RichEdit1 = create<ui::RichEdit>(QStringLiteral("RichEdit1"));
    RichEdit1->setBounds(QRect(0, 0, 200, clientH - buttonsH));
    SelectionEdit = create<ui::RichEdit>(QStringLiteral("SelectionEdit"));
    SelectionEdit->setVisible(false);
    Splitter = create<ui::Panel>(QStringLiteral("Splitter"));
    Splitter->setBounds(QRect(200, 0, 10, clientH - buttonsH));

    PgCtrlPreview = create<ui::PageControl>(QStringLiteral("PgCtrlPreview"));
    PgCtrlPreview->setBounds(QRect(210, 0, clientW - 210, clientH - buttonsH));
    TShPreview = create<ui::TabSheet>(QStringLiteral("TShPreview"), PgCtrlPreview);
    TShPreview->setCaption(QStringLiteral("Preview"));
    TShConfig = create<ui::TabSheet>(QStringLiteral("TShConfig"), PgCtrlPreview);
    TShConfig->setCaption(QStringLiteral("Configuration"));
    PgCtrlPreview->onChange = [this] { PgCtrlPreviewChange(); };
    const int sheetW = TShPreview->width(), sheetH = TShPreview->height();

    TBarNavigation = create<ui::ToolBar>(QStringLiteral("TBarNavigation"), TShPreview);
    TBarNavigation->setBounds(QRect(0, 0, sheetW, 26));
    TBarNavigation->setButtonSize(QSize(26, 24));
    TBarNavigation->setVisible(false);
    const auto tool = [this](const char* name, const char* caption, const char* hint, void (TFrmMain::*run)()) {
        auto* button = create<ui::ToolButton>(QString::fromLatin1(name), TBarNavigation);
        button->setIcon(drawToolIcon(QString::fromUtf8(caption)));
        button->setHint(QString::fromUtf8(hint));
        button->setShowHint(true);
        button->onClick = [this, run] { (this->*run)(); };
        return button;
    };
    TBtnFirstPage = tool("TBtnFirstPage", "|◀", "Go to first page", &TFrmMain::ActFirstPageExecute);
    TBtnPreviousPage = tool("TBtnPreviousPage", "◀", "Go to previous page", &TFrmMain::ActPreviousPageExecute);
    TBtnNextPage = tool("TBtnNextPage", "▶", "Go to next page", &TFrmMain::ActNextPageExecute);
    TBtnLastPage = tool("TBtnLastPage", "▶|", "Go to last page", &TFrmMain::ActLastPageExecute);
    TBtnZoomMinus = tool("TBtnZoomMinus", "−", "Reduce scale", &TFrmMain::ActZoomMinusExecute);
    TBtnZoomPlus = tool("TBtnZoomPlus", "+", "Increase scale", &TFrmMain::ActZoomPlusExecute);
    TBtnWholePage = tool("TBtnWholePage", "▯", "Display whole page", &TFrmMain::ActWholePageExecute);
    TBtnPageWidth = tool("TBtnPageWidth", "↔", "Display page width", &TFrmMain::ActPageWidthExecute);
    TBtnShowMargins = tool("TBtnShowMargins", "#", "Display margins", &TFrmMain::ActShowMarginsExecute);
    TBtnPrint = tool("TBtnPrint", "P", "Print", &TFrmMain::ActPrintExecute);
    TBarZoom = create<ui::TrackBar>(QStringLiteral("TBarZoom"), TBarNavigation);
    TBarZoom->setBounds(QRect(10 * 26 + 4, 0, sheetW - 10 * 26 - 8, 26));
    TBarZoom->setRange(0, 1600);
    TBarZoom->setFrequency(100);
    TBarZoom->onChange = [this] { TBarZoomChange(); };

    SbrPreview = create<ui::StatusBar>(QStringLiteral("SbrPreview"), TShPreview);
    SbrPreview->setBounds(QRect(0, sheetH - 19, sheetW, 19));
    SbrPreview->setPanelTexts({QString(), QString(), QString()});

    PrintPreview = create<ui::RichEditPrintPreview>(QStringLiteral("PrintPreview"), TShPreview);
    PrintPreview->setBounds(QRect(0, 26, sheetW, sheetH - 26 - 19));

    // The zoom menu of the zoom button.
    PMnuZoom = createComponent<ui::MenuItem>(QStringLiteral("PMnuZoom"));
    PMnuZoom->setCaption(QStringLiteral("&Zoom"));
    menu->add(PMnuZoom);
    const auto zoomItem = [this](const QString& name, const QString& caption, std::function<void()> run) {
        auto* item = createComponent<ui::MenuItem>(name);
        item->setCaption(caption);
        item->onClick = std::move(run);
        PMnuZoom->add(item);
    };
    zoomItem(QStringLiteral("MnuWholePage"), QStringLiteral("Whole page"), [this] { ActWholePageExecute(); });
    zoomItem(QStringLiteral("MnuPageWidth"), QStringLiteral("Page width"), [this] { ActPageWidthExecute(); });
    zoomItem(QStringLiteral("MnuZoomSeparator"), QStringLiteral("-"), {});
    for (int percent : {25, 50, 75, 100, 125, 150, 175, 200, 300, 400})
        zoomItem(QStringLiteral("MnuZoom%1").arg(percent), QStringLiteral("%1%").arg(percent),
                 [this, percent] { ActScalePageExecute(percent); });

    buildConfiguration();

    PnlButton = create<ui::Panel>(QStringLiteral("PnlButton"));
    PnlButton->setBounds(QRect(0, clientH - buttonsH, clientW, buttonsH));
    BtnLoadFile = create<ui::Button>(QStringLiteral("BtnLoadFile"), PnlButton);
    BtnLoadFile->setBounds(QRect(8, 8, 100, 25));
    BtnLoadFile->setCaption(QStringLiteral("Load a file"));
    BtnLoadFile->onClick = [this] { BtnLoadFileClick(); };
    BtnBuild = create<ui::Button>(QStringLiteral("BtnBuild"), PnlButton);
    BtnBuild->setBounds(QRect(116, 8, 100, 25));
    BtnBuild->setCaption(QStringLiteral("Build document"));
    BtnBuild->onClick = [this] { BtnBuildClick(); };
}

void TFrmMain::buildConfiguration()
{
    GbxMargins = create<ui::GroupBox>(QStringLiteral("GbxMargins"), TShConfig);
    GbxMargins->setBounds(QRect(8, 8, 240, 200));
    GbxMargins->setCaption(QStringLiteral("Margins values"));
    const auto marginEdit = [this](const char* name, const char* label, int row,
                                   void (ui::RichEditPrintPreview::*set)(float)) {
        auto* caption = create<ui::Label>(QStringLiteral("Lbl") + QString::fromLatin1(name).mid(3), GbxMargins);
        caption->setBounds(QRect(12, 24 + row * 28, 100, 21));
        caption->setCaption(QString::fromLatin1(label));
        auto* edit = create<ui::Edit>(QString::fromLatin1(name), GbxMargins);
        edit->setBounds(QRect(120, 22 + row * 28, 100, 21));
        edit->onExit = [this, edit, set] { marginEditExit(*edit, set); };
        return edit;
    };
    using P = ui::RichEditPrintPreview;
    EdtHeaderHeight = marginEdit("EdtHeaderHeight", "Header height", 0, &P::setHeaderHeight);
    EdtTopMargin = marginEdit("EdtTopMargin", "Top", 1, &P::setTopMargin);
    EdtLeftMargin = marginEdit("EdtLeftMargin", "Left", 2, &P::setLeftMargin);
    EdtRightMargin = marginEdit("EdtRightMargin", "Right", 3, &P::setRightMargin);
    EdtBottomMargin = marginEdit("EdtBottomMargin", "Bottom", 4, &P::setBottomMargin);
    EdtFooterHeight = marginEdit("EdtFooterHeight", "Footer height", 5, &P::setFooterHeight);

    RgpUnit = create<ui::GroupBox>(QStringLiteral("RgpUnit"), TShConfig);
    RgpUnit->setBounds(QRect(256, 8, 160, 72));
    RgpUnit->setCaption(QStringLiteral("Units"));
    RbtMillimeter = create<ui::RadioButton>(QStringLiteral("RbtMillimeter"), RgpUnit);
    RbtMillimeter->setBounds(QRect(12, 20, 130, 19));
    RbtMillimeter->setCaption(QStringLiteral("millimeter"));
    RbtMillimeter->setChecked(true);
    RbtMillimeter->onClick = [this] { RgpUnitClick(); };
    RbtInch = create<ui::RadioButton>(QStringLiteral("RbtInch"), RgpUnit);
    RbtInch->setBounds(QRect(12, 44, 130, 19));
    RbtInch->setCaption(QStringLiteral("inch"));
    RbtInch->onClick = [this] { RgpUnitClick(); };

    const auto band = [this](const char* group, const char* caption, int top, const char* prefix, const char* fontButton,
                             bool header) {
        auto* box = create<ui::GroupBox>(QString::fromLatin1(group), TShConfig);
        box->setBounds(QRect(8, top, 408, 84));
        box->setCaption(QString::fromLatin1(caption));
        std::array<ui::Edit*, 3> edits{};
        const char* parts[] = {"Left", "Center", "Right"};
        for (int i = 0; i < 3; ++i) {
            edits[size_t(i)] = create<ui::Edit>(QString::fromLatin1(prefix) + QString::fromLatin1(parts[i]), box);
            edits[size_t(i)]->setBounds(QRect(12 + i * 124, 24, 116, 21));
        }
        auto* font = create<ui::SpeedButton>(QString::fromLatin1(fontButton), box);
        font->setBounds(QRect(12, 52, 80, 23));
        font->setCaption(QStringLiteral("Font..."));
        font->onClick = [this, header] { bandFontClick(header); };
        return std::make_tuple(box, edits, font);
    };
    std::array<ui::Edit*, 3> edits{};
    std::tie(GbxHeader, edits, SbtnHeaderFont) = band("GbxHeader", "Header", 216, "EdtHeader", "SbtnHeaderFont", true);
    EdtHeaderLeft = edits[0];
    EdtHeaderCenter = edits[1];
    EdtHeaderRight = edits[2];
    std::tie(GbxFooter, edits, SBtnFooterFont) = band("GbxFooter", "Footer", 308, "EdtFooter", "SBtnFooterFont", false);
    EdtFooterLeft = edits[0];
    EdtFooterCenter = edits[1];
    EdtFooterRight = edits[2];
}

void TFrmMain::FormCreate()
{
    PrintPreview->setRichEdit(RichEdit1);
    PrintPreview->setShowMargin(true);
    PrintPreview->setMarginInMM(true);
    PrintPreview->setTopMargin(0);
    PrintPreview->setBottomMargin(0);
    PrintPreview->setLeftMargin(0);
    PrintPreview->setRightMargin(0);
    PrintPreview->setHeaderHeight(0);
    PrintPreview->setFooterHeight(0);
    PrintPreview->setHeaderText(QString(), QString(), QString());
    PrintPreview->setFooterText(QString(), QString(), QString());
    ShowMarginsChecked = PrintPreview->showMargin();
    PgCtrlPreview->setActivePage(TShPreview);
    ZoomUpdating = false;
    try {
        loadDocument(QDir::current().filePath(kLabelFile));
    } catch (const std::exception& error) {
        // The window still opens, with an empty preview.
        application().showException(error);
        return;
    }
    PrintPreview->setScale(PrintPreview->scale() / 2);
}

void TFrmMain::loadDocument(const QString& nativePath)
{
    const QByteArray content = readFile(nativePath, QFileInfo(nativePath).fileName());
    RichEdit1->clear();
    RichEdit1->setRuns(richtext::runsOf(richtext::readDocument(content, richtext::charFormatOf(RichEdit1->font()))));
    PrintPreview->setPrintTitle(QFileInfo(nativePath).fileName());
    PrintPreview->reset();
    PrintPreview->display();
    UpdateNavigation();
}

void TFrmMain::FormShow()
{
    PrintPreview->onScaleChange = [this](float scale) { PreviewScaleChange(scale); };
    PrintPreview->onPrint = [this](int page) { Printing(page); };
}

void TFrmMain::UpdateNavigation()
{
    TBarNavigation->setVisible(true);
    const int page = PrintPreview->currentPage(), pages = PrintPreview->numberOfPages();
    TBtnFirstPage->setEnabled(page > 1);
    TBtnPreviousPage->setEnabled(page > 1);
    TBtnNextPage->setEnabled(page < pages);
    TBtnLastPage->setEnabled(page < pages);
    SbrPreview->setSimplePanel(false);
    SbrPreview->setPanelText(0, QStringLiteral("Page %1 of %2").arg(page).arg(pages));
}

void TFrmMain::ActFirstPageExecute()
{
    PrintPreview->firstPage();
    UpdateNavigation();
}

void TFrmMain::ActPreviousPageExecute()
{
    PrintPreview->previousPage();
    UpdateNavigation();
}

void TFrmMain::ActNextPageExecute()
{
    PrintPreview->nextPage();
    UpdateNavigation();
}

void TFrmMain::ActLastPageExecute()
{
    PrintPreview->lastPage();
    UpdateNavigation();
}

void TFrmMain::ActZoomMinusExecute() { PrintPreview->setScale(PrintPreview->scale() / 2); }

void TFrmMain::ActZoomPlusExecute() { PrintPreview->setScale(PrintPreview->scale() * 2); }

void TFrmMain::ActWholePageExecute() { PrintPreview->setScaleMode(ui::ScaleMode::WholePage); }

void TFrmMain::ActPageWidthExecute() { PrintPreview->setScaleMode(ui::ScaleMode::PageWidth); }

void TFrmMain::ActScalePageExecute(int percent)
{
    PrintPreview->setScaleMode(ui::ScaleMode::Scaled);
    PrintPreview->setScale(float(percent) / 100);
}

void TFrmMain::ActShowMarginsExecute()
{
    ShowMarginsChecked = !ShowMarginsChecked;
    PrintPreview->setShowMargin(ShowMarginsChecked);
}

void TFrmMain::ActPrintExecute()
{
    ui::PrintRequest request;
    const int pages = PrintPreview->numberOfPages();
    if (pages > 1)
        request.maxPage = pages;
    request.selectionAllowed = RichEdit1->selLength() > 0;
    const std::optional<ui::PrintChoice> choice = application().dialogs().print(request);
    if (!choice)
        return;
    setCursor(ui::Cursor::HourGlass);
    // A failed job is reported by the error box; the pointer comes back all the same.
    const auto pointerBack = qScopeGuard([this] { setCursor(ui::Cursor::Default); });
    PrintPreview->reset();
    switch (choice->range) {
    case ui::PrintChoice::Range::All: PrintPreview->print(1, -1); break;
    case ui::PrintChoice::Range::Pages: PrintPreview->print(choice->fromPage, choice->toPage); break;
    case ui::PrintChoice::Range::Selection: {
        // The selection alone, as plain text in the document's font.
        SelectionEdit->setFont(RichEdit1->font());
        SelectionEdit->setText(RichEdit1->selText());
        PrintPreview->setRichEdit(SelectionEdit);
        PrintPreview->reset();
        PrintPreview->print(1, -1);
        PrintPreview->setRichEdit(RichEdit1);
        PrintPreview->reset();
        SelectionEdit->clear();
        break;
    }
    }
    SbrPreview->setPanelText(2, QString());
    // The preview went back to page 1 at scale 1: show it so.
    PrintPreview->display();
    UpdateNavigation();
}

void TFrmMain::BtnLoadFileClick()
{
    ui::OpenFileRequest request;
    const std::optional<QString> chosen = application().dialogs().openFile(request);
    if (!chosen)
        return;
    loadDocument(files::nativePath(*chosen));
}

void TFrmMain::BtnBuildClick()
{
    QString text = QStringLiteral("Start of the test ");
    for (int i = 1; i <= 20000; ++i) {
        text += QChar(char16_t(i % 93 + 33));
        text += u' ';
    }
    RichEdit1->setText(text);
    RichEdit1->setSelStart(0);
    PrintPreview->reset();
    PrintPreview->display();
    UpdateNavigation();
}

void TFrmMain::PgCtrlPreviewChange()
{
    if (PgCtrlPreview->activePage() == TShConfig) {
        ShowMarginValues();
        ShowBandTexts();
    } else if (PgCtrlPreview->activePage() == TShPreview) {
        PrintPreview->setHeaderText(EdtHeaderLeft->text(), EdtHeaderCenter->text(), EdtHeaderRight->text());
        PrintPreview->setFooterText(EdtFooterLeft->text(), EdtFooterCenter->text(), EdtFooterRight->text());
        PrintPreview->display();
    }
}

void TFrmMain::RgpUnitClick()
{
    PrintPreview->setMarginInMM(RbtMillimeter->checked());
    ShowMarginValues();
}

void TFrmMain::marginEditExit(ui::Edit& edit, void (ui::RichEditPrintPreview::*set)(float))
{
    bool ok = false;
    const float value = QLocale::system().toFloat(edit.text().trimmed(), &ok);
    // The edit shows the value the control kept, whether the text was a number or not.
    const auto showKept = [this] { ShowMarginValues(); };
    if (!ok) {
        showKept();
        throw std::runtime_error(QStringLiteral("'%1' is not a valid floating point value").arg(edit.text()).toStdString());
    }
    (PrintPreview->*set)(value);
    showKept();
}

void TFrmMain::bandFontClick(bool header)
{
    const ui::Font initial = header ? PrintPreview->headerFont() : PrintPreview->footerFont();
    const std::optional<ui::Font> chosen = application().dialogs().chooseFont(initial);
    if (!chosen)
        return;
    if (header)
        PrintPreview->setHeaderFont(*chosen);
    else
        PrintPreview->setFooterFont(*chosen);
    // The texts being edited stay as typed; they reach the bands on the way back to the pages.
    for (ui::Edit* edit : header ? std::array{EdtHeaderLeft, EdtHeaderCenter, EdtHeaderRight}
                                 : std::array{EdtFooterLeft, EdtFooterCenter, EdtFooterRight})
        edit->setFont(*chosen);
}

void TFrmMain::TBarZoomChange()
{
    if (ZoomUpdating)
        return;
    PrintPreview->setScaleMode(ui::ScaleMode::Scaled);
    PrintPreview->setScale(float(TBarZoom->position()) / 100);
}

void TFrmMain::PreviewScaleChange(float scale)
{
    SbrPreview->setPanelText(1, QStringLiteral("Scale ") + fixed3(scale));
    TBtnZoomMinus->setEnabled(scale > ui::RichEditPrintPreview::kMinScale);
    TBtnZoomPlus->setEnabled(scale < ui::RichEditPrintPreview::kMaxScale);
    ZoomUpdating = true;
    TBarZoom->setPosition(int(std::lround(scale * 100)));
    ZoomUpdating = false;
}

void TFrmMain::Printing(int page)
{
    SbrPreview->setPanelText(2, QStringLiteral("Printing page %1").arg(page));
}

void TFrmMain::ShowMarginValues()
{
    EdtHeaderHeight->setText(fixed3(PrintPreview->headerHeight()));
    EdtTopMargin->setText(fixed3(PrintPreview->topMargin()));
    EdtLeftMargin->setText(fixed3(PrintPreview->leftMargin()));
    EdtRightMargin->setText(fixed3(PrintPreview->rightMargin()));
    EdtBottomMargin->setText(fixed3(PrintPreview->bottomMargin()));
    EdtFooterHeight->setText(fixed3(PrintPreview->footerHeight()));
}

void TFrmMain::ShowBandTexts()
{
    const QStringList header = PrintPreview->headerText(), footer = PrintPreview->footerText();
    ui::Edit* headerEdits[] = {EdtHeaderLeft, EdtHeaderCenter, EdtHeaderRight};
    ui::Edit* footerEdits[] = {EdtFooterLeft, EdtFooterCenter, EdtFooterRight};
    for (int i = 0; i < 3; ++i) {
        headerEdits[i]->setText(header[i]);
        headerEdits[i]->setFont(PrintPreview->headerFont());
        footerEdits[i]->setText(footer[i]);
        footerEdits[i]->setFont(PrintPreview->footerFont());
    }
}

}  // namespace preview
