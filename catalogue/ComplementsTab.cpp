#include "catalogue/ComplementsTab.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/DescriptorExtraction.h"
#include "platform/text/PascalText.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"

#include <algorithm>

namespace catalogue {

namespace {

// The width of the descriptor column.
constexpr int kDescriptorLength = 255;

}  // namespace

ComplementsTab::ComplementsTab(app::TFrmPrin& frm, BookEntryScreen& entry) : m_frm(frm), m_entry(entry)
{
    frm.get<ui::Control>(QStringLiteral("SpeedButton47")).onClick = [this] { SpeedButton47Click(); };
    // The web look-up binds the cover and bookseller commands by name.
    for (const char* command : {"SpeedButton33", "SpeedButton11"})
        frm.get<ui::Control>(QString::fromLatin1(command)).onClick =
            [&frm, handler = QString::fromLatin1(command) + QStringLiteral("Click")] { frm.handlers.run(handler); };
}

void ComplementsTab::SpeedButton47Click() { ApplyComplementsValues(Variant::Save); }

void ComplementsTab::ExtractDescriptorsOnLeave()
{
    const QString summary = m_frm.get<ui::CustomEdit>(QStringLiteral("DBMemo1")).text();
    auto& descriptors = m_frm.get<ui::CustomEdit>(QStringLiteral("DBEdit29"));
    if (summary.isEmpty() || !descriptors.text().isEmpty())
        return;
    const QString source = text::Trim(text::UpperCase(summary));
    if (!source.isEmpty())
        descriptors.setText(extractDescriptorText(m_frm.ThesaurusTable, source));
}

void ComplementsTab::ApplyComplementsValues(Variant variant)
{
    app::TFrmPrin& f = m_frm;
    auto text = [&f](const char* name) { return f.get<ui::CustomEdit>(QString::fromLatin1(name)).text(); };
    auto& owner = f.get<ui::CustomEdit>(QStringLiteral("Edit25"));
    auto& theme = f.get<ui::CustomEdit>(QStringLiteral("Edit26"));
    if (variant != Variant::Save) {
        const bool forward = variant == Variant::Next;
        if (bool(m_entry.CarryOverForward) != forward) {
            owner.clear();
            theme.clear();
        }
        m_entry.CarryOverForward = forward ? 1 : 0;
    }

    QString added;
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) {
        const QString keyword = text(name);
        if (!keyword.isEmpty())
            added += u'.' + text::UpperCase(text::Trim(keyword));
    }
    const QString descriptors = text::Copy(text("DBEdit29") + added, 1, kDescriptorLength);
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();

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

    const QString place = text("ComboBox11");
    const QString storedPlace = books.fieldByName(QStringLiteral("LieuRangement")).asString();
    if (!place.isEmpty() && (storedPlace.isEmpty() || storedPlace == kNoPlacePicture)) {
        f.get<ui::CustomEdit>(QStringLiteral("DBComboBox6")).setText(place);
        write({{"LieuRangement", place}});
    }
    const QString genre = text("ComboBox12");
    if (variant == Variant::Save && !genre.isEmpty() && text("DBComboBox8").isEmpty()) {
        f.get<ui::CustomEdit>(QStringLiteral("DBComboBox8")).setText(genre);
        write({{"Genre", genre}});
    }
    if (!descriptors.isEmpty())
        write({{"Descripteur", descriptors}, {"Resume", text("DBMemo1")}});
    if (!owner.text().isEmpty())
        write({{"Proprio", text::UpperCase(text::Trim(owner.text()))}});
    if (!theme.text().isEmpty())
        write({{"Mot_Cle", text::UpperCase(text::Trim(theme.text()))}});
}

}  // namespace catalogue
