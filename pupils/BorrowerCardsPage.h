#pragma once
// The page of borrower cards, emprunteurs.html: one table row per card with the pupil's photo,
// his number as a Code 39 barcode and his names, class, school year and school. All cards carry
// "*E" + the number on 3 digits at least + "*", the new cards "*" + the number + "*"; the
// barcode font draws the bars. Every value is HTML-escaped.
#include <QString>

namespace pupils {

struct CardOptions {
    QString schoolYear;
    QString schoolName;
    QString photoWidth;
    QString photoHeight;
    bool showClass = true;
    bool barsWithoutDigits = false;
    int cardsPerPage = 6;  // the printed page breaks after that many cards
};

struct CardBorrower {
    QString number;
    QString surname;
    QString firstName;
    QString className;
    QString sex;
    QString level;
};

// "E007" for 7, "E4711" for 4711: what the scanner reads from a card of the all-cards page.
QString cardCode(const QString& number);

class BorrowerCardsPage {
public:
    enum class Kind { AllCards, NewCards };
    BorrowerCardsPage(Kind kind, CardOptions options);

    void addCard(const CardBorrower& borrower);
    QString finish() const;

private:
    QString head() const;

    Kind m_kind;
    CardOptions m_options;
    int m_cardsLeft;
    QString m_text;
};

}  // namespace pupils
