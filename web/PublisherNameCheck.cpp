#include "web/PublisherNameCheck.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/CleanWebText.h"
#include "catalogue/IsbnConversions.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"


namespace web {

namespace {

const QString kServicePath = QStringLiteral("/webservices/xid/isbn/");

// The answer's text as the old browser showed the XML: entities decoded.
QString decodedXml(const QString& value)
{
    QString out = value;
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}

// A value for a column: cleaned like every text the web gives, cut to the column.
QString columnValue(const QString& webValue, int columnSize)
{
    const QString clean = text::Trim(ControlCharsToSpaces(catalogue::CleanWebText(webValue)));
    return columnSize > 0 ? clean.left(columnSize) : clean;
}

}  // namespace

PublisherNameCheck::PublisherNameCheck(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, PageFetch& pages)
    : m_frm(frm), m_book(book), m_pages(pages)
{
    frm.handlers.bind(QStringLiteral("VrificationNomditeur1Click"), [this] { VrificationNomditeur1Click(); });
}

PublisherNameCheck::Answer PublisherNameCheck::readAnswer(const QString& answer, Metadata& metadata)
{
    const QString text = ReplaceAll(decodedXml(answer), QStringLiteral(";"), QStringLiteral(" "));
    if (text.isEmpty())
        return Answer::Unknown;
    if (text.contains(QStringLiteral("overlimit")))
        return Answer::OverLimit;
    if (text.contains(QStringLiteral("invalidId")) || text.contains(QStringLiteral("unknownId")))
        return Answer::Unknown;
    // The attributes come in the service's order; each search starts after the value before.
    QString* const targets[] = {&metadata.year, nullptr, &metadata.title, &metadata.author, &metadata.publisher};
    const char* const names[] = {"year=\"", "lang=\"", "title=\"", "author=\"", "publisher=\""};
    int from = 0;
    for (int i = 0; i < 5; ++i) {
        const int at = int(text.indexOf(QString::fromLatin1(names[i]), from));
        if (at < 0)
            continue;
        const int start = at + int(qstrlen(names[i]));
        const int end = int(text.indexOf(u'"', start));
        if (end < 0)
            continue;
        if (targets[i])
            *targets[i] = text.mid(start, end - start);
        from = end;
    }
    return Answer::Known;
}

PublisherNameCheck::Answer PublisherNameCheck::askService(Metadata& metadata)
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    const QString code = b.isbn13.text();
    b.isbn10.setText(catalogue::Isbn13To10(code));
    auto& log = b.log;
    log.clear();
    log.show();
    m_pages.NavigateSniffAndWait(f.settings.maker.isbnService + kServicePath + code +
                                 QStringLiteral("?method=getMetadata&format=xml&fl=*"));
    b.summary.clear();
    const Answer answer = readAnswer(m_pages.page().innerText(), metadata);
    if (answer != Answer::Known) {
        if (m_pages.page().innerText().isEmpty())
            b.title.clear();
        return answer;
    }
    const std::pair<ui::Edit*, const QString*> shown[] = {{&b.published, &metadata.year},
                                                          {&b.title, &metadata.title},
                                                          {&b.author, &metadata.author},
                                                          {&b.publisher, &metadata.publisher}};
    for (const auto& [field, value] : shown)
        if (!value->isEmpty())
            field->setText(*value);
    return answer;
}

void PublisherNameCheck::VrificationNomditeur1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    const catalogue::BookEntryControls& b = m_book;
    b.screen.show();
    auto& gauge = b.progress;
    gauge.show();
    b.log.show();
    // Without the service's address no book can be asked.
    const bool serviceKnown = !f.settings.maker.isbnService.isEmpty();
    int asked = 0;
    // Its own statement: the scratch query holds whatever the last command left in it.
    db::Query books(f.db.ADOConnection1);
    books.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY NumLivre"));
    books.open();
    int walked = 0;
    for (books.first(); !books.eof(); books.next()) {
        b.coverName.setText(books.fieldByName(QStringLiteral("numlivre")).asString());
        const QString isbn13 = books.fieldByName(QStringLiteral("Isbn13")).asString();
        const char* const columns[] = {"Editeur", "Auteur", "Date_parution"};
        bool lacking = false;
        for (const char* column : columns)
            lacking = lacking || books.fieldByName(QString::fromLatin1(column)).asString().isEmpty();
        if (serviceKnown && isbn13.startsWith(QLatin1String("978")) && isbn13.size() == 13 && lacking) {
            b.isbn13.setText(isbn13);
            Metadata metadata;
            const Answer answer = askService(metadata);
            ++asked;
            if (answer == Answer::OverLimit) {
                // The service takes no more today: what was completed stays, the gauge shows where.
                f.application().messageBox(QString::number(asked), f.application().title(), ui::MessageButtons::Ok,
                                           ui::MessageIcon::None);
                return;
            }
            const QString* const values[] = {&metadata.publisher, &metadata.author, &metadata.year};
            for (int i = 0; i < 3; ++i) {
                db::Field field = books.fieldByName(QString::fromLatin1(columns[i]));
                const QString value = columnValue(*values[i], field.size());
                if (!field.asString().isEmpty() || value.isEmpty())
                    continue;
                books.edit();
                field.setAsString(value);
                books.post();
            }
        }
        ++walked;
        gauge.setProgress(qRound(walked / 10.0));
        f.application().processMessages();
    }
    f.application().messageBox(QString::number(asked), f.application().title(), ui::MessageButtons::Ok,
                               ui::MessageIcon::None);
    gauge.hide();
    // The publisher and number of the row the walk ended on.
    QString lastPublisher;
    QString lastNumber;
    if (!books.isEmpty()) {
        books.last();
        lastPublisher = books.fieldByName(QStringLiteral("Editeur")).asString();
        lastNumber = books.fieldByName(QStringLiteral("Numlivre")).asString();
    }
    f.application().messageBox(QStringLiteral("  ;") + lastPublisher + QStringLiteral(" ;") + lastNumber,
                               f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::None);
    f.ShowMessageEntry(201);
}

}  // namespace web
