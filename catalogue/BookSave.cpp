#include "catalogue/BookSave.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryLayout.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/CleanWebText.h"
#include "catalogue/DescriptorExtraction.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/IsbnConversions.h"
#include "catalogue/PriceText.h"
#include "loans/LoanScreen.h"
#include "platform/db/Transaction.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/ShownPath.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"

#include <utility>
#include <vector>

namespace catalogue {

namespace {

constexpr int kLongestCode39Code = 18;  // "*" + code + "*" fills the 20-character barcode column

QString cut(const QString& s, int n) { return s.left(n); }

// Semicolons, tildes and double quotes would break the journal and the exports.
QString separatorsToSpaces(QString s)
{
    for (QChar& c : s)
        if (c == u';' || c == u'~' || c == u'"')
            c = u' ';
    return s;
}

bool startsWithAny(const QString& code, std::initializer_list<const char*> prefixes)
{
    for (const char* p : prefixes)
        if (code.startsWith(QLatin1String(p)))
            return true;
    return false;
}

// The ISBN-13 that a typed ISBN-10 stands for, when its first nine characters are digits.
QString isbn13Of(const QString& isbn10)
{
    if (isbn10.size() != 10 || !isAllDigits(isbn10.left(9)))
        return {};
    return Isbn10To13(isbn10);
}

}  // namespace

// What one press of the save button works with besides the screen's fields.
struct BookSave::Press {
    QString code;           // the code field as saved, trimmed once
    QString labelFlag;      // "True" or "False"
    qint64 lastNumLivre = 0;
    int inserted = 0;
    // Cover files renamed once the rows are committed: from, to.
    std::vector<std::pair<QString, QString>> renames;
};

BookSave::BookSave(app::TFrmPrin& frm, BookEntryScreen& screen) : m_frm(frm), m_screen(screen)
{
    screen.controls().save.onClick = [this] { SpeedButton20Click(); };
}

void BookSave::SpeedButton20Click()
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_screen.controls();
    auto& screen = c.screen;
    auto& title = c.title;
    screen.setCursor(ui::Cursor::HourGlass);
    c.code.setColor(ui::colors::window);

    if (m_screen.manualEntry()) {
        if (title.text().isEmpty()) {
            title.setColor(ui::colors::red);
            title.setFocus();
            screen.setCursor(ui::Cursor::Default);
            return;
        }
        const QString typed = c.isbn13.text();
        if (!typed.isEmpty() && typed.size() <= 5) {
            c.isbn13.setText((QStringLiteral("00000") + typed).right(5));
            c.coverName.setText(c.isbn13.text() + QStringLiteral(".jpg"));
        } else if (typed.isEmpty()) {
            c.isbn13.setText(QStringLiteral("00000"));
        }
    }
    Press press;
    press.code = text::Trim(c.isbn13.text());
    if (c.isbn10.text().startsWith(u'B'))
        c.coverName.setText(press.code + QStringLiteral(".jpg"));
    if (press.code.isEmpty() && !title.text().isEmpty())
        press.code = QStringLiteral("00000");
    c.isbn13.setText(press.code);
    // A code whose barcode text would not fit its column is refused before anything is written.
    const bool code39 = !startsWithAny(press.code, {"978", "378", "379"}) || press.code.size() < 5;
    if ((code39 && press.code.size() > kLongestCode39Code) || press.code.size() > 20) {
        screen.setCursor(ui::Cursor::Default);
        f.application().messageBox(QStringLiteral("Ce code a plus de %1 caractères : son code barre ne tiendrait pas "
                                                  "sur l'étiquette. Raccourcissez le code puis enregistrez.")
                                       .arg(code39 ? kLongestCode39Code : 20),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        c.isbn13.setFocus();
        return;
    }
    if (press.code.startsWith(QLatin1String("978")) && press.code.size() == 13 && !title.text().isEmpty())
        c.barcode.setText(Ean13ToFontText(press.code));
    const int copies = text::StrToInt(c.copiesToSave.text());

    if (title.text().isEmpty()) {
        title.setColor(ui::colors::red);
        finalReset();
        backToLoanScreen();
        return;
    }
    c.code.setColor(ui::colors::window);
    title.setColor(ui::colors::window);
    c.save.hide();
    if (copies > 3)
        f.application().showMessage(f.tables.message(85) + QString::number(copies) + f.tables.message(86));

    {
        db::Transaction transaction(f.db.ADOConnection1);
        for (int i = 1; i <= copies; ++i)
            insertCopy(press, i);
        transaction.commit();
    }
    for (const auto& [from, to] : press.renames) {
        const QString source = files::folderFilePath(f.AppDir + kCoversFolder, from);
        const QString target = files::folderFilePath(f.AppDir + kCoversFolder, to);
        if (!source.isEmpty() && !target.isEmpty())
            files::renameFile(source, target);
    }

    f.db.ADOTable1.close();
    f.db.ADOTable1.open();
    f.db.ADOTable1.last();
    // A save that inserted nothing is no new book for the journal.
    if (press.inserted > 0)
        writeJournal(c.isbn13.text());
    resetTab();
    CoverStripRefreshAfterSave();
    if (f.settings.ValideBool && c.nextIsbn.visible() == f.IsbnListMode) {
        f.Delay(100);
        f.application().input().leftClick();
    }
    finalReset();
    backToLoanScreen();
}

void BookSave::insertCopy(Press& press, int copyNumber)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_screen.controls();
    db::Query& ars = f.db.ars;
    const QString& code = press.code;

    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"), {text::Trim(code)});
    ars.open();
    int count = ars.recordCount();
    ars.close();
    c.copyCount.setCaption(QString::number(count + 1));
    // A 5-character code is a group of its own per copy: every such copy is the last.
    ars.setSql(QStringLiteral("UPDATE table1 SET MaxExemplaire = ? WHERE Isbn13 = ?"),
               {db::Value::boolean(code.size() == 5), code});
    ars.execSql();
    ++count;

    press.labelFlag = c.printBarcode.checked() || code.size() < 13
                          ? QStringLiteral("True")
                          : QStringLiteral("False");
    if (isPressCode(code)) {
        press.labelFlag = QStringLiteral("True");
        c.barcode.setText(c.isbn10.text());
    }
    cleanFields(copyNumber == 1);
    cleanSummary();
    c.price.setText(priceForStorage(c.price.text()));
    if (m_screen.ReturnToLoanScreen)
        f.findPart<loans::LoanScreen>()->controls().code.setText(code);
    c.theme.setText(cut(c.theme.text(), 50));
    ExtractDescriptors();
    if (f.ScannedCoverFlag.isEmpty())
        f.ScannedCoverFlag = QStringLiteral("False");
    c.coverName.setText(coverName(press));
    if (!startsWithAny(code, {"978", "378", "379"}) || code.size() < 5 ||
        (code.startsWith(QLatin1String("978")) && code.size() != 13))
        c.barcode.setText(QStringLiteral("*") + code + QStringLiteral("*"));

    const QString language = ControlCharsToSpaces(
        cut(QString(f.BookLanguage.isEmpty() ? f.LanguageText : f.BookLanguage).remove(u'\r').remove(u'\n'), 30));
    const QString copy = QString::number(code.size() == 5 ? 1 : count);
    const QString recordType = cut(ControlCharsToSpaces(text::Trim(RecordType)), 50);
    const QString type = recordType.isEmpty() ? QStringLiteral("LIVRE") : recordType;
    // The flags are "True" / "False", read as Booleans by their columns.
    const db::Params values = {
        text::Trim(c.isbn10.text()), text::Trim(c.author.text()), text::Trim(c.genre.text()),
        text::Trim(type), text::Trim(c.publisher.text()), db::Value::boolean(true),
        db::Value::boolean(true), press.labelFlag, text::Trim(DescriptorText), copy,
        text::Trim(c.coverName.text()), text::Trim(c.title.text()), text::Trim(c.pageCount.text()), text::Trim(c.published.text()),
        text::Trim(code), text::Trim(c.barcode.text()), text::Trim(c.theme.text()), text::Trim(SummaryText), text::Trim(language),
        text::Trim(c.price.text()), text::Trim(c.storagePlace.text()), text::Trim(c.owner.text()), f.ScannedCoverFlag,
    };
    ars.setSql(QStringLiteral("Insert into table1 (Isbn10,Auteur,Genre,type,Editeur,Maxexemplaire,Empruntable,"
                              "IMP_CodeBarres,Descripteur,NbrExemplaire,Images,Titre,Pages,Date_parution,Isbn13,"
                              "CodeBarres,Mot_Cle,Resume,Langue,Prix_Client,LieuRangement,Proprio,Emprunte)"
                              " Values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
               values);
    ars.execSql();
    ++press.inserted;

    // The new row is the last by number: the database's key of the insert says which.
    press.lastNumLivre = f.db.ADOConnection1.lastInsertKey();
    c.lastCopyNumber.setCaption(QString::number(press.lastNumLivre));
    if (code.size() <= 5 && !c.isbn10.text().startsWith(u'B'))
        AssignInternalCode(press);
    SummaryText.clear();
    DescriptorText.clear();
}

void BookSave::clearRecordValues()
{
    RecordDescriptors.clear();
    RecordType.clear();
}

void BookSave::cleanFields(bool firstCopy)
{
    const BookEntryControls& c = m_screen.controls();
    auto clean = [](const QString& s) { return ControlCharsToSpaces(separatorsToSpaces(s)); };
    c.isbn10.setText(cut(c.isbn10.text(), 20));
    c.author.setText(clean(cut(c.author.text(), 50)));
    c.publisher.setText(clean(cut(c.publisher.text(), 50)));
    c.genre.setText(cut(c.genre.text(), 50));
    c.title.setText(clean(separatorsToSpaces(CleanWebText(cut(c.title.text(), 80))).replace(u',', u' ')));
    c.pageCount.setText(clean(cut(c.pageCount.text(), 20)));
    c.price.setText(cut(c.price.text(), 20));
    if (firstCopy)
        c.pageCount.setText(c.binding.text() + u' ' + c.pageCount.text());
    c.pageCount.setText(cut(c.pageCount.text(), 20));
    c.published.setText(clean(cut(c.published.text(), 40)));
    c.barcode.setText(cut(c.barcode.text(), 20));
    for (ui::CustomEdit* field : {static_cast<ui::CustomEdit*>(&c.owner), static_cast<ui::CustomEdit*>(&c.storagePlace),
                                  static_cast<ui::CustomEdit*>(&c.theme)})
        field->setText(cut(field->text(), 50));
    // The cover name is stored as it came; only its column bounds it.
    c.coverName.setText(cut(c.coverName.text(), 255));
}

void BookSave::cleanSummary()
{
    QString s = m_screen.controls().summary.text();
    s = ReplaceAll(s, QStringLiteral("Ã©"), QStringLiteral("é"));
    s = ReplaceAll(s, QStringLiteral("Présentation de l'éditeur"), QString());
    s = ReplaceAll(s, QStringLiteral("Amazon.fr"), QString());
    for (QChar& c : s)
        if (c == u';' || c == u':' || c == u'~' || c == u'"' || c == u'\n')
            c = u' ';
    s.remove(u'\r');
    SummaryText = cut(ControlCharsToSpaces(s), 2500);
}

void BookSave::ExtractDescriptors()
{
    const BookEntryControls& c = m_screen.controls();
    const QString recorded = ControlCharsToSpaces(text::Trim(RecordDescriptors));
    DescriptorText = !recorded.isEmpty() ? recorded
                                         : extractDescriptorText(m_frm.ThesaurusTable,
                                                                 c.title.text() + u' ' + cut(SummaryText, 3000));
    const QString dewey = text::Trim(c.dewey.text());
    c.dewey.setText(dewey);
    if (!dewey.isEmpty())
        DescriptorText = QStringLiteral(".Dewey ") + dewey + DescriptorText;
    DescriptorText = cut(DescriptorText, 255);
}

QString BookSave::coverName(Press& press)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_screen.controls();
    const QString& code = press.code;
    const QString own = code + QStringLiteral(".jpg");
    // A cover stored while the code was still empty takes the code's name, once the rows are in.
    const QString stray = QStringLiteral(".jpg");
    if (files::fileExists(f.AppDir + kCoversFolder + stray) && !files::fileExists(f.AppDir + kCoversFolder + own) &&
        press.renames.empty())
        press.renames.emplace_back(stray, own);
    auto coverExists = [&](const QString& name) {
        if (files::fileExists(f.AppDir + kCoversFolder + name))
            return true;
        for (const auto& rename : press.renames)
            if (rename.second.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };

    QString name = c.coverName.text();
    QString candidate = own;
    if (coverExists(own))
        name = own;
    if (name.isEmpty())
        if (const QString isbn13 = isbn13Of(c.isbn10.text()); !isbn13.isEmpty())
            candidate = isbn13 + QStringLiteral(".jpg");
    if (coverExists(candidate))
        name = own;
    else
        name = f.CoverFileName.isEmpty() ? own : f.CoverFileName;
    if (c.isbn10.text().startsWith(u'B'))
        name = own;
    if (isPressCode(code)) {
        const QString issue = (QStringLiteral("00000") + KeepDigitsAndX(c.issueNumber.text())).right(5);
        c.issueNumber.setText(issue);
        name = code + u'_' + issue + QStringLiteral(".jpg");
    }
    return name;
}

void BookSave::AssignInternalCode(Press& press)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_screen.controls();
    db::Query& ars = f.db.ars;
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ?"), {press.lastNumLivre});
    ars.open();
    const bool unnumbered = !ars.isEmpty() && ars.fieldByName(QStringLiteral("Isbn13")).asString() == QStringLiteral("00000");
    ars.close();
    if (!unnumbered)
        return;
    const QString code = QString::number(press.lastNumLivre).rightJustified(5, u'0');
    c.isbn13.setText(code);
    const QString isbn10 = c.isbn10.text();
    QString cover = code + QStringLiteral(".jpg");
    if (!isbn10.startsWith(u'B'))
        if (const QString isbn13 = isbn13Of(isbn10); !isbn13.isEmpty())
            cover = isbn13 + QStringLiteral(".jpg");
    ars.setSql(QStringLiteral("UPDATE table1 SET Isbn13 = ?, CodeBarres = ?, Images = ?, IMP_CodeBarres = True"
                              " WHERE numlivre = ?"),
               {text::Trim(code), text::Trim(QStringLiteral("*") + code + QStringLiteral("*")), text::Trim(cover),
                press.lastNumLivre});
    ars.execSql();
    // The next copy of the same save gets a number of its own.
    c.isbn13.setText(QStringLiteral("00000"));
    press.renames.emplace_back(QStringLiteral("00000.jpg"), cover);
}

void BookSave::writeJournal(const QString& code)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_screen.controls();
    const QString line = journal::newBookLine(f.application().clock().currentDateTime().date(), text::Trim(code),
                                              text::Trim(c.title.text()), text::Trim(c.author.text()),
                                              text::Trim(c.publisher.text()), text::Trim(c.genre.text()));
    if (!journal::appendJournalLine(f.OutputFile, f.AppDir, line))
        f.application().messageBox(QStringLiteral("Le livre est enregistré, mais la ligne du journal n'a pas pu être "
                                                  "ajoutée au fichier ") +
                                       files::shownPath(f.AppDir + QStringLiteral("Journal.csv")),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);
}

void BookSave::resetTab()
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_screen.controls();
    for (ui::CustomEdit* field : {&c.isbn10, &c.author, &c.publisher, &c.isbn13, &c.title, &c.pageCount, &c.published,
                                  &c.binding, &c.price, &c.dewey, &c.coverName})
        field->clear();
    c.summary.clear();
    c.pageSource.clear();
    f.CoverFileName.clear();
    f.ScannedCoverFlag.clear();
    f.BookLanguage.clear();
    clearRecordValues();
    SummaryText.clear();
    c.copiesToSave.setText(QStringLiteral("1"));
    c.code.show();
    c.code.setFocus();
    c.save.hide();
    c.correct.hide();
    c.newEntry.show();
    c.manualEntry.show();
    f.db.ADOTable1.last();
}

void BookSave::CoverStripRefreshAfterSave()
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_screen.controls();
    db::Table& books = f.db.ADOTable1;
    ui::Edit& nameBox = c.coverName;
    for (int k = 0; k < 6; ++k) {
        ui::Image& image = *c.strip[k];
        QString name = text::Trim(text::Copy(books.fieldByName(QStringLiteral("Images")).asString(), 1, 30));
        if (!files::fileExists(f.AppDir + kCoversFolder + name)) {
            name = kNoPicture;
            nameBox.setText(kNoPicture);
        }
        if (k == 0 && f.settings.AnimationOn) {
            // The newest cover flies from the tab into its place in the strip.
            c.tabs.hide();
            image.setBounds(QRect(14, 122, 370, 470));
            showCoverFile(f, image, kCoversFolder, name, kNoPicture);
            while (image.height() > 130 || image.left() < 515 || image.top() < 476 || image.width() > 109) {
                QRect r = image.bounds();
                if (r.height() > 130)
                    r.setHeight(r.height() - 4);
                if (r.left() < 515)
                    r.moveLeft(r.left() + 5);
                if (r.top() < 594)
                    r.moveTop(r.top() + 6);
                if (r.width() > 110)
                    r.setWidth(r.width() - 11);
                image.setBounds(r);
                f.Delay(1);
            }
        } else {
            showCoverFile(f, image, kCoversFolder, name, kNoPicture);
        }
        // The flight ends in the newest cover's slot of the strip, where every refresh puts it.
        if (k == 0)
            image.setBounds(QRect(QPoint(layout::kStripLefts[0], layout::kStripTop), layout::kStripCover));
        books.prior();
    }
    books.moveBy(6);
}

void BookSave::finalReset()
{
    const BookEntryControls& c = m_screen.controls();
    c.tabs.show();
    c.screen.setCursor(ui::Cursor::Default);
    auto& code = c.code;
    code.setColor(ui::colors::yellow);
    code.clear();
    code.show();
    code.setFocus();
}

void BookSave::backToLoanScreen()
{
    if (!m_screen.ReturnToLoanScreen)
        return;
    m_screen.ReturnToLoanScreen = false;
    app::TFrmPrin& f = m_frm;
    const loans::LoanControls& desk = f.findPart<loans::LoanScreen>()->controls();
    for (const char* name : {"Image109", "Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7",
                             "Panel8", "Panel9", "Panel12", "Panel13", "Panel15", "Panel16", "Panel17", "Panel18",
                             "Panel21", "Panel26", "Edit100"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    desk.cover.clearPicture();
    for (ui::Image* cover : desk.stripCovers)
        cover->clearPicture();
    f.setVisibleIfBuilt(QStringLiteral("Panel14"), true);
    for (const char* name : {"Recherche", "Identification", "Liste"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    if (desk.borrower.canFocus())
        desk.borrower.setFocus();
    for (const char* name : {"Edit40", "Edit136", "Edit42", "Edit43", "Edit44", "Image33", "Image34", "Button40",
                             "Button43", "Button44", "Edit45", "Edit47"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    for (const char* name : {"Button39", "Button41", "Button46"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), true);
    desk.returnDate.setText(text::shortDateText(f.application().clock().currentDateTime().date()));
}

}  // namespace catalogue
