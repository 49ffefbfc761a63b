#include "catalogue/ComplementsTab.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/DescriptorExtraction.h"
#include "platform/text/PascalText.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/SpeedButton.h"

#include <algorithm>

namespace catalogue {

namespace {

// The width of the descriptor column.
constexpr int kDescriptorLength = 255;

}  // namespace

ComplementsTab::ComplementsTab(app::TFrmPrin& frm, BookEntryScreen& entry) : m_frm(frm), m_entry(entry)
{
    const ComplementsControls& c = entry.controls().complements;
    c.save.onClick = [this] { SpeedButton47Click(); };
    // The web look-up binds the cover and bookseller commands by name.
    c.amazonCover.onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton33Click")); };
    c.booksellers.onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton11Click")); };
}

void ComplementsTab::SpeedButton47Click() { ApplyComplementsValues(Variant::Save); }

void ComplementsTab::ExtractDescriptorsOnLeave()
{
    const ComplementsControls& c = m_entry.controls().complements;
    const QString summary = c.summary.text();
    ui::DBEdit& descriptors = c.descriptors;
    if (summary.isEmpty() || !descriptors.text().isEmpty())
        return;
    const QString source = text::Trim(text::UpperCase(summary));
    if (!source.isEmpty())
        descriptors.setText(extractDescriptorText(m_frm.ThesaurusTable, source));
}

void ComplementsTab::ApplyComplementsValues(Variant variant)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_entry.controls();
    ui::Edit& owner = c.owner;
    ui::Edit& theme = c.theme;
    if (variant != Variant::Save) {
        const bool forward = variant == Variant::Next;
        if (bool(m_entry.CarryOverForward) != forward) {
            owner.clear();
            theme.clear();
        }
        m_entry.CarryOverForward = forward ? 1 : 0;
    }

    QString added;
    for (const ui::ComboBox* box : c.complements.keywords) {
        const QString keyword = box->text();
        if (!keyword.isEmpty())
            added += u'.' + text::UpperCase(text::Trim(keyword));
    }
    const QString descriptors = text::Copy(c.complements.descriptors.text() + added, 1, kDescriptorLength);
    for (ui::ComboBox* box : c.complements.keywords)
        box->clear();

    db::Table& books = f.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return;
    // A value the copy already holds is not written again.
    auto write = [&books](const std::initializer_list<std::pair<const char*, QString>> values) {
        if (std::all_of(values.begin(), values.end(), [&books](const auto& v) {
                return books.fieldByName(QString::fromLatin1(v.first)).asString() == v.second;
            }))
            return;
        books.edit();
        for (const auto& [field, value] : values)
            books.fieldByName(QString::fromLatin1(field)).setAsString(value);
        books.post();
    };

    const QString place = c.storagePlace.text();
    const QString storedPlace = books.fieldByName(QStringLiteral("LieuRangement")).asString();
    if (!place.isEmpty() && (storedPlace.isEmpty() || storedPlace == kNoPlacePicture)) {
        c.complements.place.setText(place);
        write({{"LieuRangement", place}});
    }
    const QString genre = c.genre.text();
    if (variant == Variant::Save && !genre.isEmpty() && c.complements.genre.text().isEmpty()) {
        c.complements.genre.setText(genre);
        write({{"Genre", genre}});
    }
    if (!descriptors.isEmpty())
        write({{"Descripteur", descriptors}, {"Resume", c.complements.summary.text()}});
    if (!owner.text().isEmpty())
        write({{"Proprio", text::UpperCase(text::Trim(owner.text()))}});
    if (!theme.text().isEmpty())
        write({{"Mot_Cle", text::UpperCase(text::Trim(theme.text()))}});
}

}  // namespace catalogue
