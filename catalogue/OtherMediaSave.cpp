#include "catalogue/OtherMediaSave.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/OtherMediaLayout.h"
#include "catalogue/OtherMediaScreen.h"
#include "catalogue/PriceText.h"
#include "platform/db/Transaction.h"
#include "platform/files/FileOps.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RichEdit.h"

namespace catalogue {

namespace {

const QString kNoCode = QStringLiteral("00000");

// Semicolons and tildes would break the journal and the exports.
QString cleaned(const QString& s, int length)
{
    return ControlCharsToSpaces(ReplaceAll(ReplaceAll(s.left(length), QStringLiteral(";"), QStringLiteral(" ")),
                                           QStringLiteral("~"), QStringLiteral(" ")));
}

}  // namespace

OtherMediaSave::OtherMediaSave(app::TFrmPrin& frm, const OtherMediaScreen& screen)
    : m_frm(frm), m_controls(screen.controls())
{
    m_controls.accept.onClick = [this] { Button33Click(); };
}

void OtherMediaSave::Button33Click()
{
    app::TFrmPrin& f = m_frm;
    m_controls.search.show();
    ui::Edit& title = m_controls.title;
    title.setColor(ui::colors::white);
    if (title.text().isEmpty()) {
        title.setColor(ui::colors::red);
        title.setFocus();
        return;
    }
    db::Table& items = f.db.ADOTable1;
    items.setFilter(kOtherMediaFilter);
    items.setFiltered(true);
    items.setActive(true);

    const QString code = cleanFields();
    const int stored = listStoredCopies(m_frm, m_frm.db.ars, code);
    m_frm.db.ars.close();
    {
        db::Transaction transaction(f.db.ADOConnection1);
        insertItem(code, stored + 1);
        transaction.commit();
    }
    items.close();
    items.open();
    items.last();
    clearEntry();
    farewell(code);
}

int OtherMediaSave::listStoredCopies(app::TFrmPrin& frm, db::Query& copies, const QString& code)
{
    copies.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"), {text::Trim(code)});
    copies.open();
    ui::RichEdit& list = frm.findPart<OtherMediaScreen>()->controls().storedCopies;
    list.clear();
    int count = 0;
    for (copies.first(); !copies.eof(); copies.next())
        list.addLine(copies.fieldByName(QStringLiteral("Titre")).asString() + u' ' + QString::number(++count));
    return count;
}

// Writes each field back as it will be stored, and returns the code.
QString OtherMediaSave::cleanFields()
{
    const OtherMediaControls& c = m_controls;
    auto clean = [](ui::Edit& field, int length) { field.setText(cleaned(field.text(), length)); };
    clean(c.title, 80);
    clean(c.author, 50);
    clean(c.publisher, 50);

    QString code = c.code.text().left(20);
    if (code.isEmpty())
        code = kNoCode;
    c.code.setText(code);
    if (code != kNoCode && code.size() < 13)
        c.barcodeText.setText(u'*' + code + u'*');
    else if (code.size() == 13)
        c.barcodeText.setText(Ean13ToFontText(code));

    clean(c.ean10, 20);
    if (c.ean10.text().isEmpty())
        c.ean10.setText(code);
    clean(c.barcodeText, 20);
    c.owner.setText(c.owner.text().left(50));
    c.price.setText(priceForStorage(c.price.text()));
    return text::Trim(code);
}

void OtherMediaSave::insertItem(const QString& code, int copyNumber)
{
    app::TFrmPrin& f = m_frm;
    const OtherMediaControls& c = m_controls;
    const db::Params values = {
        text::Trim(c.title.text()), text::Trim(c.author.text()), text::Trim(code), text::Trim(c.ean10.text()), text::Trim(c.publisher.text()),
        db::Value::boolean(c.printBarcode.checked()),
        text::Trim(c.type.text()), text::Trim(code + QStringLiteral(".jpg")), copyNumber,
        db::Value::boolean(true), text::Trim(c.barcodeText.text()), text::Trim(c.owner.text()), text::Trim(c.price.text()),
    };
    db::Query& ars = f.db.ars;
    ars.setSql(QStringLiteral("Insert into table1 (Titre,Auteur,Isbn13,Isbn10,Editeur,Imp_Codebarres,Type,Images,"
                              "NbrExemplaire,Maxexemplaire,CodeBarres,proprio,Prix_Client) Values (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
               values);
    ars.execSql();
    if (code != kNoCode)
        return;
    // An item without a code is known by its number.
    const qint64 numLivre = f.db.ADOConnection1.lastInsertKey();
    const QString internal = QString::number(numLivre).rightJustified(5, u'0');
    ars.setSql(QStringLiteral("UPDATE table1 SET Isbn13 = ?, CodeBarres = ?, images = ? WHERE numlivre = ?"),
               {internal, u'*' + internal + u'*', internal + QStringLiteral(".jpg"), numLivre});
    ars.execSql();
}

void OtherMediaSave::clearEntry()
{
    const OtherMediaControls& c = m_controls;
    for (ui::Edit* field : {&c.title, &c.author, &c.publisher, &c.link, &c.ean10, &c.barcodeText, &c.price,
                            &c.pageCount, &c.published, &c.binding, &c.code})
        field->clear();
}

// The accepted item's cover shrinks down and away below the tabs.
void OtherMediaSave::farewell(const QString& code)
{
    app::TFrmPrin& f = m_frm;
    QString name = code + QStringLiteral(".jpg");
    if (!files::fileExists(f.AppDir + kCoversFolder + name))
        name = kNoPicture;
    ui::PageControl& pages = m_controls.tabs;
    ui::Image& image = m_controls.farewell;
    pages.hide();
    image.setBounds(otherMediaLayout::kFarewellStart);
    showCoverFile(f, image, kCoversFolder, name, kNoPicture);
    image.show();
    QRect r = image.bounds();
    do {
        if (r.height() > 280)
            r.setHeight(r.height() - 4);
        if (r.top() < 815)
            r.moveTop(r.top() + 6);
        if (r.width() > 110)
            r.setWidth(r.width() - 11);
        image.setBounds(r);
        if (f.settings.AnimationOn)
            f.Delay(1);
    } while (!(r.height() < 310 && r.top() > 575 && r.width() < 150));
    // Hidden again, so that it never lies over the list of copies.
    image.hide();
    pages.show();
    m_controls.code.setFocus();
}

}  // namespace catalogue
