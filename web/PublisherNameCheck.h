#pragma once
// "Vérification Nom éditeur" of the tools menu: every book of the catalogue with an ISBN-13 of
// 978 that lacks its publisher, author or publication date is asked of the bibliographic web
// service, and the values it gives fill the empty fields. The book screen shows each book while
// it is asked.
//
// Each row is stored as soon as it is completed, outside any transaction of the check: the
// waits for the service let the librarian work meanwhile, and what the desk writes then is never
// undone with the check.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}

namespace web {

class PageFetch;

class PublisherNameCheck {
public:
    PublisherNameCheck(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, PageFetch& pages);

    void VrificationNomditeur1Click();

    // What the service said of one book; a value it did not give is empty.
    struct Metadata {
        QString year;
        QString title;
        QString author;
        QString publisher;
    };
    enum class Answer { Known, Unknown, OverLimit };
    // Reads the service's answer text (its XML as text).
    static Answer readAnswer(const QString& text, Metadata& metadata);

private:
    Answer askService(Metadata& metadata);

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    PageFetch& m_pages;
};

}  // namespace web
