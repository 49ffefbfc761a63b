// The dialog service shows real Qt dialogs with the program's captions, texts, icons and buttons.
#include "QtFixture.h"

#include "platform/files/WindowsPath.h"
#include "platform/ui/ToolkitTranslation.h"
#include "platform/ui/qt/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QAbstractProxyModel>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

namespace uiqt {
namespace {

class DialogsTest : public ::testing::Test {
protected:
    DialogsTest() { ensureQtApplication(); }

    // Runs act on the next modal dialog once it is open (polling, as it opens inside exec()).
    void whenShown(std::function<void(QWidget*)> act)
    {
        m_act = std::move(act);
        QTimer::singleShot(0, &m_polls, [this] { poll(); });
    }

    QtDialogs dialogs;
    QObject m_menus;  // presses still pending end with the test

    // Once the menu is open: notes its entries, then picks the entry (Enter on it) or closes the
    // menu (Escape), as the user would.
    void chooseInMenu(std::optional<int> entry, QStringList& shown)
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            QTimer::singleShot(5, &m_menus, [this, entry, &shown] { chooseInMenu(entry, shown); });
            return;
        }
        shown.clear();
        for (const QAction* action : menu->actions())
            shown << action->text();
        if (entry)
            menu->setActiveAction(menu->actions().at(*entry));
        QKeyEvent press(QEvent::KeyPress, entry ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &press);
    }

private:
    void poll()
    {
        if (QWidget* dialog = QApplication::activeModalWidget())
            m_act(dialog);
        else
            QTimer::singleShot(5, &m_polls, [this] { poll(); });
    }

    std::function<void(QWidget*)> m_act;
    QObject m_polls;  // polls still pending end with the test
};

// Qt's own buttons spoke English ("Cancel" below "Annuler : continuer sans vérifier") in a French
// program. With its French translation loaded, as both programs load it, the box reads French, and
// the scripted dialogs name the buttons as the box shows them.
TEST_F(DialogsTest, WithTheFrenchTranslationTheButtonsReadFrench)
{
    ASSERT_TRUE(ui::installToolkitTranslation(QStringLiteral("fr")));
    QStringList shown;
    whenShown([&](QWidget* dialog) {
        auto* box = dynamic_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        for (QMessageBox::StandardButton b : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No})
            shown.append(box->button(b) ? box->button(b)->text().remove(u'&') : QString());
        box->button(QMessageBox::Cancel)->click();
    });
    ui::MessageRequest question{QStringLiteral("QvlZantor"), QStringLiteral("Annuler : continuer sans vérifier"),
                                ui::MessageIcon::Warning, ui::MessageButtons::OkCancel, 1};
    EXPECT_EQ(dialogs.message(question), ui::ModalResult::Cancel);
    EXPECT_EQ(shown, QStringList({"OK", "Annuler", "", ""}));
    question.buttons = ui::MessageButtons::YesNo;
    shown.clear();
    whenShown([&](QWidget* dialog) {
        auto* box = dynamic_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No})
            shown.append(box->button(b)->text().remove(u'&'));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.message(question), ui::ModalResult::No);
    EXPECT_EQ(shown, QStringList({"Oui", "Non"}));
    EXPECT_EQ(ui::buttonCaption(ui::ModalResult::Cancel), "Annuler");
    EXPECT_EQ(ui::resultFromName(QStringLiteral("Annuler")), ui::ModalResult::Cancel);
    EXPECT_EQ(ui::resultFromName(QStringLiteral("Cancel")), ui::ModalResult::Cancel);
}

TEST_F(DialogsTest, AMessageBoxHasTheCaptionTextIconAndButtonsAsked)
{
    QString shownCaption, shownText;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool noIsDefault = false;
    whenShown([&](QWidget* dialog) {
        auto* box = dynamic_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        shownCaption = box->windowTitle();
        shownText = box->text();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            buttons.append(QString::number(box->standardButton(button)));
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::No)->click();
    });
    const ui::ModalResult answer = dialogs.message(ui::MessageRequest{
        QStringLiteral("QvlZantor"), QStringLiteral("Voulez-vous <vraiment> quitter ?"), ui::MessageIcon::Question,
        ui::MessageButtons::YesNoCancel, 2});
    EXPECT_EQ(answer, ui::ModalResult::No);
    EXPECT_EQ(shownCaption, QStringLiteral("QvlZantor"));
    EXPECT_EQ(shownText, QStringLiteral("Voulez-vous <vraiment> quitter ?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    buttons.sort();
    QStringList expected{QString::number(QMessageBox::Yes), QString::number(QMessageBox::No),
                         QString::number(QMessageBox::Cancel)};
    expected.sort();
    EXPECT_EQ(buttons, expected);
    EXPECT_TRUE(noIsDefault);
}

TEST_F(DialogsTest, AMessageBoxClosedWithEscapeAnswersCancel)
{
    whenShown([](QWidget* dialog) { static_cast<QMessageBox*>(dialog)->reject(); });
    EXPECT_EQ(dialogs.message(ui::MessageRequest{QStringLiteral("QvlZantor"), QStringLiteral("Sauvegarder ?"),
                                                 ui::MessageIcon::Warning, ui::MessageButtons::OkCancel, 1}),
              ui::ModalResult::Cancel);
}

TEST_F(DialogsTest, TheErrorBoxShowsTheErrorWithOneButton)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    qsizetype buttons = 0;
    whenShown([&](QWidget* dialog) {
        auto* box = static_cast<QMessageBox*>(dialog);
        icon = box->icon();
        text = box->text();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.exceptionBox(QStringLiteral("QvlZantor"), QStringLiteral("Cannot focus a disabled or invisible window."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, QStringLiteral("Cannot focus a disabled or invisible window."));
    EXPECT_EQ(buttons, 1);
}

TEST_F(DialogsTest, AnInputBoxMasksAPasswordAndGivesWhatWasTyped)
{
    QString prompt;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    whenShown([&](QWidget* dialog) {
        auto* box = static_cast<QInputDialog*>(dialog);
        prompt = box->labelText();
        echo = box->textEchoMode();
        box->setTextValue(QStringLiteral("secret"));
        box->accept();
    });
    EXPECT_EQ(dialogs.input(ui::InputRequest{QStringLiteral("Identification"), QStringLiteral("Mot de passe"),
                                             QString(), true}),
              QStringLiteral("secret"));
    EXPECT_EQ(prompt, QStringLiteral("Mot de passe"));
    EXPECT_EQ(echo, QLineEdit::Password);

    whenShown([](QWidget* dialog) { static_cast<QInputDialog*>(dialog)->reject(); });
    EXPECT_EQ(dialogs.input(ui::InputRequest{QStringLiteral("Classe"), QStringLiteral("Classe ?"), QStringLiteral("CP"),
                                             false}),
              std::nullopt);
}

TEST_F(DialogsTest, FileDialogsTakeAndGiveThePathsAsTheProgramWritesThem)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("Qvlzantor/Listes"));
    QFile(root.filePath(QStringLiteral("Qvlzantor/Listes/eleves.txt"))).open(QIODevice::WriteOnly);
    files::setProgramFolder(root.filePath(QStringLiteral("Qvlzantor")));
    QString shownDirectory;
    QStringList shownFilters;
    whenShown([&](QWidget* dialog) {
        auto* chooser = static_cast<QFileDialog*>(dialog);
        shownDirectory = chooser->directory().absolutePath();
        shownFilters = chooser->nameFilters();
        chooser->selectFile(QStringLiteral("eleves.txt"));
        static_cast<QDialog*>(chooser)->accept();
    });
    const auto chosen = dialogs.openFile(ui::OpenFileRequest{QStringLiteral("Importer"),
                                                             QStringLiteral("Texte|*.txt;*.csv|Tous|*.*"),
                                                             QStringLiteral("C:\\Qvlzantor\\Listes\\"), QString()});
    EXPECT_EQ(shownDirectory, root.filePath(QStringLiteral("Qvlzantor/Listes")));
    EXPECT_EQ(shownFilters, (QStringList{"Texte (*.txt *.csv)", "Tous (*.*)"}));
    EXPECT_EQ(chosen, QStringLiteral("C:\\Qvlzantor\\Listes\\eleves.txt"));
}

// The file dialog wrote "Folder", "2.93 KiB" and "11 Dec 2026 14:49:01" in a French program.
TEST_F(DialogsTest, TheFileDialogListsFoldersSizesAndDatesInFrench)
{
    ASSERT_TRUE(ui::installToolkitTranslation(QStringLiteral("fr")));
    QTemporaryDir root;
    const QDir folder(root.filePath(QStringLiteral("Qvlzantor")));
    folder.mkpath(QStringLiteral("Listes"));
    QFile book(folder.filePath(QStringLiteral("livre.txt")));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write(QByteArray(3000, 'x'));
    book.close();
    files::setProgramFolder(folder.path());
    QStringList folderRow, fileRow;
    whenShown([&](QWidget* dialog) {
        // What the views show: the dialog's model as its proxy gives it.
        auto* chooser = static_cast<QFileDialog*>(dialog);
        auto* files = chooser->findChild<QFileSystemModel*>();
        QAbstractProxyModel* shown = chooser->proxyModel();
        ASSERT_TRUE(files && shown);
        const QModelIndex lists = shown->mapFromSource(files->index(folder.filePath(QStringLiteral("Listes"))));
        const QModelIndex file = shown->mapFromSource(files->index(folder.filePath(QStringLiteral("livre.txt"))));
        QDeadlineTimer deadline(10'000);
        while (files->size(shown->mapToSource(file)) == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        for (int column = 1; column < 4; ++column) {
            folderRow << shown->data(lists.siblingAtColumn(column)).toString();
            fileRow << shown->data(file.siblingAtColumn(column)).toString();
        }
        static_cast<QDialog*>(dialog)->reject();
    });
    dialogs.openFile(ui::OpenFileRequest{QStringLiteral("Importer"), QString(), QStringLiteral("C:\\Qvlzantor\\"), QString()});
    ASSERT_EQ(folderRow.size(), 3);
    EXPECT_EQ(folderRow[1], "Dossier");
    EXPECT_EQ(fileRow[0], "2,93 Kio");
    const QRegularExpression frenchDate(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"));
    EXPECT_TRUE(frenchDate.match(fileRow[2]).hasMatch()) << fileRow[2].toStdString();
    EXPECT_TRUE(frenchDate.match(folderRow[2]).hasMatch()) << folderRow[2].toStdString();
}

TEST_F(DialogsTest, ThePrintDialogOffersThePagesAndGivesTheRangeChosen)
{
    int minPage = 0, maxPage = 0;
    whenShown([&](QWidget* dialog) {
        auto* chooser = static_cast<QPrintDialog*>(dialog);
        minPage = chooser->minPage();
        maxPage = chooser->maxPage();
        // The user picks pages 2 to 3.
        chooser->findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
        chooser->findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
        chooser->findChild<QSpinBox*>(QStringLiteral("to"))->setValue(3);
        static_cast<QDialog*>(chooser)->accept();
    });
    const auto choice = dialogs.print(ui::PrintRequest{1, 4, false});
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 4);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->range, ui::PrintChoice::Range::Pages);
    EXPECT_EQ(choice->fromPage, 2);
    EXPECT_EQ(choice->toPage, 3);

    whenShown([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(dialogs.print(ui::PrintRequest{1, 1, false}), std::nullopt);
}

// Qt's French left the two-sided printing choices in English.
TEST_F(DialogsTest, ThePrintDialogsTwoSidedPrintingReadsFrench)
{
    ASSERT_TRUE(ui::installToolkitTranslation(QStringLiteral("fr")));
    QStringList texts;
    whenShown([&](QWidget* dialog) {
        for (const QGroupBox* box : dialog->findChildren<QGroupBox*>())
            texts << box->title();
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts << button->text();
        static_cast<QDialog*>(dialog)->reject();
    });
    dialogs.print(ui::PrintRequest{1, 4, false});
    for (const char* french : {"Impression recto verso", "Recto seul", "Reliure sur le bord long", "Reliure sur le bord court"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(french))) << french << ": " << texts.join(u'|').toStdString();
}

TEST_F(DialogsTest, FiltersBecomeQtNameFilters)
{
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"", {}},
        {"Images (*.jpg)|*.jpg", {"Images (*.jpg) (*.jpg)"}},
        {"Bases|*.bib|Tous les fichiers|*.*", {"Bases (*.bib)", "Tous les fichiers (*.*)"}},
        {"Texte|*.txt; *.csv", {"Texte (*.txt *.csv)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nameFilters(QString::fromUtf8(c.filter)), c.expected) << c.filter;
}

TEST_F(DialogsTest, TheFontDialogStartsFromTheGivenFontAndKeepsTheNamedFaceWhenUnchanged)
{
    QFont shown;
    whenShown([&](QWidget* dialog) {
        auto* chooser = static_cast<QFontDialog*>(dialog);
        shown = chooser->currentFont();
        chooser->accept();
    });
    ui::Font initial;
    initial.name = QStringLiteral("Arial");
    initial.size = 12;
    initial.color = ui::colors::red;
    const auto chosen = dialogs.chooseFont(initial);
    EXPECT_EQ(shown.family(), QStringLiteral("Liberation Sans"));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->name, QStringLiteral("Arial"));
    EXPECT_EQ(chosen->size, 12);
    EXPECT_EQ(chosen->color, ui::colors::red);
}

// A context menu opens at the pointer with the entries asked; the one the user picks is given,
// none when the menu is closed with Escape.
TEST_F(DialogsTest, AContextMenuGivesTheEntryChosenOrNone)
{
    const ui::PopupMenuRequest request{{QStringLiteral("Imprimer…"), QStringLiteral("Aperçu avant impression")}, {}};
    QStringList shown;
    QTimer::singleShot(0, &m_menus, [this, &shown] { chooseInMenu(1, shown); });
    EXPECT_EQ(dialogs.popupMenu(request), 1);
    EXPECT_EQ(shown, request.captions);
    QTimer::singleShot(0, &m_menus, [this, &shown] { chooseInMenu(std::nullopt, shown); });
    EXPECT_EQ(dialogs.popupMenu(request), std::nullopt);
}

}  // namespace
}  // namespace uiqt
