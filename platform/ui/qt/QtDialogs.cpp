#include "platform/ui/qt/QtDialogs.h"

#include "platform/files/WindowsPath.h"
#include "platform/ui/Form.h"
#include "platform/ui/PrintDestination.h"
#include "platform/ui/qt/Appearance.h"
#include "platform/ui/qt/FileListingInDefaultLocale.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace uiqt {

namespace {

QWidget* owner() { return QApplication::activeWindow(); }

QMessageBox::Icon iconOf(ui::MessageIcon icon)
{
    switch (icon) {
    case ui::MessageIcon::None: return QMessageBox::NoIcon;
    case ui::MessageIcon::Information: return QMessageBox::Information;
    case ui::MessageIcon::Warning: return QMessageBox::Warning;
    case ui::MessageIcon::Error: return QMessageBox::Critical;
    case ui::MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(ui::ModalResult result)
{
    switch (result) {
    case ui::ModalResult::Ok: return QMessageBox::Ok;
    case ui::ModalResult::Cancel: return QMessageBox::Cancel;
    case ui::ModalResult::Abort: return QMessageBox::Abort;
    case ui::ModalResult::Retry: return QMessageBox::Retry;
    case ui::ModalResult::Ignore: return QMessageBox::Ignore;
    case ui::ModalResult::Yes: return QMessageBox::Yes;
    case ui::ModalResult::No: return QMessageBox::No;
    case ui::ModalResult::Close: return QMessageBox::Close;
    case ui::ModalResult::None: break;
    }
    return QMessageBox::NoButton;
}

// The native folder for a path the program gives; empty when it cannot be mapped.
QString nativeOrEmpty(const QString& windowsPath)
{
    if (windowsPath.isEmpty())
        return {};
    try {
        return files::nativePath(windowsPath);
    } catch (const files::PathError&) {
        return {};
    }
}

}  // namespace

QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters.append(parts[i] + QStringLiteral(" (") + patterns.simplified() + u')');
    }
    return filters;
}

QtDialogs::QtDialogs() = default;

QtDialogs::~QtDialogs() = default;

QPrinter& QtDialogs::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

ui::ModalResult QtDialogs::message(const ui::MessageRequest& request)
{
    QMessageBox box(owner());
    box.setWindowTitle(request.caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(request.text);
    box.setIcon(iconOf(request.icon));
    const std::vector<ui::ModalResult> results = ui::buttonsOf(request.buttons);
    for (ui::ModalResult result : results)
        box.addButton(buttonOf(result));
    const size_t defaultIndex = size_t(std::max(request.defaultButton, 1) - 1);
    if (defaultIndex < results.size())
        box.setDefaultButton(buttonOf(results[defaultIndex]));
    // Escape answers Cancel where there is one, OK when it is the only button.
    if (std::find(results.begin(), results.end(), ui::ModalResult::Cancel) != results.end())
        box.setEscapeButton(QMessageBox::Cancel);
    else if (results.size() == 1)
        box.setEscapeButton(buttonOf(results.front()));
    box.exec();
    const QMessageBox::StandardButton chosen = box.standardButton(box.clickedButton());
    for (ui::ModalResult result : results)
        if (buttonOf(result) == chosen)
            return result;
    return ui::ModalResult::Cancel;
}

void QtDialogs::exceptionBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> QtDialogs::input(const ui::InputRequest& request)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(request.caption);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.defaultText);
    dialog.setTextEchoMode(request.masked ? QLineEdit::Password : QLineEdit::Normal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFile(const ui::OpenFileRequest& request)
{
    QFileDialog dialog(owner(), request.title, nativeOrEmpty(request.initialDir));
    dialog.setProxyModel(new FileListingInDefaultLocale(&dialog));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (const QStringList filters = nameFilters(request.filter); !filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return files::windowsPath(dialog.selectedFiles().front());
}

std::optional<QString> QtDialogs::browseFolder(const ui::FolderRequest& request)
{
    QFileDialog dialog(owner(), request.title, nativeOrEmpty(request.initialDir));
    dialog.setProxyModel(new FileListingInDefaultLocale(&dialog));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return files::windowsPath(dialog.selectedFiles().front());
}

std::optional<ui::PrintChoice> QtDialogs::print(const ui::PrintRequest& request)
{
    QPrintDialog dialog(&printer(), owner());
    dialog.setMinMax(request.minPage, request.maxPage);
    dialog.setFromTo(request.minPage, request.maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, request.selectionAllowed);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ui::PrintChoice choice;
    switch (dialog.printRange()) {
    case QAbstractPrintDialog::PageRange:
        choice.range = ui::PrintChoice::Range::Pages;
        choice.fromPage = dialog.fromPage();
        choice.toPage = dialog.toPage();
        break;
    case QAbstractPrintDialog::Selection: choice.range = ui::PrintChoice::Range::Selection; break;
    default:
        choice.fromPage = request.minPage;
        choice.toPage = request.maxPage;
        break;
    }
    choice.copies = printer().copyCount();
    const bool toFile = printer().outputFormat() == QPrinter::PdfFormat;
    ui::choosePrintDestination({toFile ? QString() : printer().printerName(), toFile ? printer().outputFileName() : QString()});
    return choice;
}

std::optional<ui::Font> QtDialogs::chooseFont(const ui::Font& initial)
{
    QFont shown(fontFamily(initial.name), initial.size);
    shown.setBold(initial.bold);
    shown.setItalic(initial.italic);
    shown.setUnderline(initial.underline);
    shown.setStrikeOut(initial.strikeOut);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, shown, owner());
    if (!accepted)
        return std::nullopt;
    ui::Font font = initial;
    // The stand-in face chosen unchanged keeps the face the program named.
    if (chosen.family() != fontFamily(initial.name))
        font.name = chosen.family();
    font.size = chosen.pointSize() > 0 ? chosen.pointSize() : initial.size;
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    font.strikeOut = chosen.strikeOut();
    return font;
}

std::optional<int> QtDialogs::popupMenu(const ui::PopupMenuRequest& request)
{
    QMenu menu(owner());
    for (const QString& caption : request.captions)
        menu.addAction(caption);
    // The model's pointer follows the real one; a menu the program opens comes where the user is.
    QAction* chosen = menu.exec(QCursor::pos());
    const qsizetype index = menu.actions().indexOf(chosen);
    return index < 0 ? std::nullopt : std::optional<int>(int(index));
}

void QtDialogs::printPreview(const ui::PrintPreviewRequest& request)
{
    QPrintPreviewDialog dialog(&printer(), owner());
    dialog.setWindowTitle(request.caption);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&request](QPrinter* printer) { request.paint(*printer); });
    dialog.exec();
}

}  // namespace uiqt
