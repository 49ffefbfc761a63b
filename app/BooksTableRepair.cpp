#include "app/BooksTableRepair.h"

#include "app/CsvValue.h"
#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "platform/db/BulkScope.h"
#include "platform/db/FieldText.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/RichEdit.h"

namespace app {

namespace {

constexpr int kLogShownEvery = 1000;

bool isPressPrefix(const QString& prefix) { return prefix == QStringLiteral("378") || prefix == QStringLiteral("379"); }

}  // namespace

// One repair: the scratch query on Table1 in code order and the progress display.
class BooksTableRepair::Run {
public:
    Run(TFrmPrin& frm, const EanFontText& eanFontText)
        : m_frm(frm), q(frm.db.ars), m_eanFontText(eanFontText), m_gauge(frm.get<ui::Gauge>(QStringLiteral("Gauge2"))),
          m_log(frm.get<ui::RichEdit>(QStringLiteral("RichEdit7")))
    {
    }

    void copyNumbers();
    void codes();
    void titlesTypesAndIsbn10s();
    void lastCopiesByTitle();
    void eanTexts();
    void separators();
    void end();

private:
    void open()
    {
        q.close();
        q.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY Isbn13"));
        q.open();
    }
    QString text(const char* name) { return db::fieldText(q, name); }
    // One field of the current row, posted when it changes.
    void set(const char* name, const QString& value)
    {
        db::Field f = q.fieldByName(QString::fromLatin1(name));
        if (f.asString() == value)
            return;
        q.edit();
        f.setAsString(value);
        q.post();
    }
    void setBool(const char* name, bool value)
    {
        db::Field f = q.fieldByName(QString::fromLatin1(name));
        if (!f.isNull() && f.asBoolean() == value)
            return;
        q.edit();
        f.setAsBoolean(value);
        q.post();
    }
    // Marks the last row of each run of equal values of `column`, walking back from the end.
    void markLastOfEachRun(const char* column)
    {
        q.last();
        while (!q.bof() && q.recNo() > 1) {
            const QString current = text(column);
            q.prior();
            if (text(column) != current)
                setBool("MaxExemplaire", true);
        }
    }
    void startLoggedPass(const QString& label)
    {
        m_label = label;
        m_logText.clear();
        m_rows = 0;
        showLog();
    }
    void rowDone(bool logged = true, bool gauged = true)
    {
        if (logged) {
            m_logText += m_label + text("NumLivre") + u'\r';
            if (++m_rows % kLogShownEvery == 0)
                showLog();
        }
        if (!gauged)
            return;
        ++m_counter;
        m_gauge.setProgress(m_counter / 10);
        if (m_gauge.progress() >= 100)
            m_counter = 1;
        // The window stays alive, but no other command may run meanwhile: a scan or a menu
        // command would take the scratch query from under the pass.
        m_frm.application().processMessagesRefusingInput();
    }
    void showLog()
    {
        // Kept scrolled to its last line, as the log of the page fetches is.
        m_log.setText(m_logText);
        m_log.setSelStart(int(m_logText.size()));
    }

    TFrmPrin& m_frm;
    db::Query& q;
    const EanFontText& m_eanFontText;
    ui::Gauge& m_gauge;
    ui::RichEdit& m_log;
    QString m_label;
    QString m_logText;
    int m_rows = 0;
    int m_counter = 0;
};

void BooksTableRepair::Run::copyNumbers()
{
    open();
    int copy = 1;
    for (q.first(); !q.eof();) {
        if (text("Isbn13") == QStringLiteral("00000")) {
            const QString code = (QStringLiteral("00000") + text("NumLivre")).right(5);
            set("Isbn13", code);
            set("Images", code + QStringLiteral(".jpg"));
            set("CodeBarres", u'*' + code + u'*');
        }
        set("NbrExemplaire", QString::number(copy));
        setBool("MaxExemplaire", false);
        const QString handled = text("Isbn13");
        rowDone(false);
        q.next();
        ++copy;
        if (!q.eof() && text("Isbn13") != handled)
            copy = 1;
    }
    if (!q.isEmpty()) {
        q.last();
        setBool("MaxExemplaire", true);
        markLastOfEachRun("Isbn13");
    }
}

void BooksTableRepair::Run::codes()
{
    startLoggedPass(QStringLiteral("Isbn "));
    for (q.first(); !q.eof(); q.next()) {
        QString code = text("Isbn13");
        code.remove(u' ').remove(u'-').remove(u'/').remove(u'.');
        set("Isbn13", code);
        rowDone(true, false);
    }
    showLog();
}

void BooksTableRepair::Run::titlesTypesAndIsbn10s()
{
    open();
    startLoggedPass(QStringLiteral("Verif titre "));
    for (q.first(); !q.eof(); q.next()) {
        if (text("Titre").isEmpty())
            set("Titre", QStringLiteral("__LIVRE SANS TITRE ?"));
        set("Isbn10", KeepDigitsAndX(text("Isbn10")));
        if (text("Type").isEmpty())
            set("Type", QStringLiteral("LIVRE"));
        const QString code = text("Isbn13");
        const QString prefix = code.left(3);
        if (prefix == QStringLiteral("978")) {
            if (text("Isbn10").size() == 9)
                set("Isbn10", text("Isbn10") + u'X');
        } else if (!isPressPrefix(prefix)) {
            if (QString(text("CodeBarres")).remove(u'*') != code)
                set("CodeBarres", u'*' + code + u'*');
        } else {
            QString issue = KeepDigitsAndX(text("Isbn10"));
            if (issue.size() < 5)
                issue = issue.rightJustified(5, u'0');
            set("Isbn10", u'*' + issue + u'*');
            set("CodeBarres", u'*' + issue + u'*');
            const QString images = QString(text("Images")).remove(u' ').remove(u'S').remove(u'H');
            if (images.size() < 23)
                set("Images", code + u'_' + issue + QStringLiteral(".jpg"));
        }
        if (code.isEmpty())
            set("Isbn13", text("NumLivre"));
        rowDone();
    }
    showLog();
}

void BooksTableRepair::Run::lastCopiesByTitle()
{
    startLoggedPass(QStringLiteral("max exemplaire "));
    q.last();
    while (!q.bof() && q.recNo() > 1) {
        const QString title = text("Titre");
        q.prior();
        if (text("Titre") != title)
            setBool("MaxExemplaire", true);
        rowDone();
    }
    showLog();
}

void BooksTableRepair::Run::eanTexts()
{
    startLoggedPass(QStringLiteral("Code barre "));
    for (q.first(); !q.eof(); q.next()) {
        const QString code = text("Isbn13");
        if (code.startsWith(QStringLiteral("978"))) {
            try {
                set("CodeBarres", m_eanFontText(code));
            } catch (const text::ConversionError&) {
                // A malformed code keeps its barcode text; the rest of the repair goes on.
                m_logText += QStringLiteral("Code illisible ") + code + u'\r';
            }
        }
        rowDone();
    }
    showLog();
}

void BooksTableRepair::Run::separators()
{
    startLoggedPass(QStringLiteral("Supprime Carac spec "));
    for (q.first(); !q.eof(); q.next()) {
        set("Titre", csvValue(text("Titre"), CsvRule::RepairedField).remove(u'[').replace(u']', u' '));
        for (const char* name : {"Resume", "Editeur", "Auteur", "Pages"})
            set(name, csvValue(text(name), CsvRule::RepairedField));
        db::Field due = q.fieldByName(QStringLiteral("DateRetour"));
        if (!due.isNull() && due.asDateTime().date() == text::jetEpoch()) {
            q.edit();
            for (const char* name : {"DateEmprunt", "DateRetour", "EmpNom", "EmpPrenom", "EmpClasse"})
                q.fieldByName(QString::fromLatin1(name)).clear();
            q.fieldByName(QStringLiteral("NumEmprunteur")).setAsInteger(0);
            q.post();
        }
        rowDone();
    }
    showLog();
}

void BooksTableRepair::Run::end()
{
    q.refresh();
    m_gauge.hide();
    m_frm.ShowMessageEntry(201);
}

BooksTableRepair::BooksTableRepair(TFrmPrin& frm, EanFontText eanFontText)
    : m_frm(frm), m_eanFontText(std::move(eanFontText))
{
    frm.handlers.bind(QStringLiteral("Verif_baseClick"), [this] { Verif_baseClick(); });
}

void BooksTableRepair::Verif_baseClick()
{
    m_frm.HideAllScreens();
    for (const char* name : {"WebBrowserSniff", "WebBrowser1"})
        m_frm.get<ui::Control>(QString::fromLatin1(name)).setHeight(40);
    for (const char* name : {"Panel4", "Gauge2", "RichEdit7"})
        m_frm.get<ui::Control>(QString::fromLatin1(name)).show();
    Run run(m_frm, m_eanFontText);
    {
        db::BulkScope bulk(m_frm.db.ADOConnection1);
        run.copyNumbers();
        run.codes();
        run.titlesTypesAndIsbn10s();
        run.lastCopiesByTitle();
        run.eanTexts();
        run.separators();
    }
    run.end();
}

}  // namespace app
