#pragma once
// Binds a data-aware control to one field of its data source's current row. The control shows
// the field; any change of the control's value (typed, or set from code) marks it modified; a
// modified value is written into the field when the row is posted or the control loses the
// focus, if the row is being edited then; when the row moves or the data is read again the
// control shows the row's own value and forgets its change. Typing first puts the row in edit
// mode (auto-edit); a control whose row cannot be edited takes no typing.
#include "platform/db/Field.h"
#include "platform/ui/SourceLink.h"

#include <QString>
#include <functional>
#include <optional>

namespace ui {

class FieldLink : public SourceLink {
public:
    // show puts the field's value into the control (nullptr: no field to show); write stores
    // the control's value into the field.
    FieldLink(std::function<void(const db::Field*)> show, std::function<void(db::Field&)> write);

    const QString& fieldName() const { return m_fieldName; }
    void setFieldName(const QString& name);
    // The field of the open data set's current row; none while the data set is closed.
    std::optional<db::Field> field() const;

    bool modified() const { return m_modified; }
    // The control's value changed; ignored while the link itself shows a value.
    void setModified();
    // Puts the row in edit mode for the user's typing; false when it cannot be edited (no field,
    // a read-only field, an empty data set).
    bool edit();
    // Writes a modified value into the field when the row is being edited.
    void writeIfModified();
    // Shows the field's value again and forgets the change.
    void reset();
    // Keeps what the control shows but takes it for no change.
    void forgetChange() { m_modified = false; }

private:
    void sourceChanged() override { reset(); }
    void dataSetChanged() override { reset(); }
    void currentRowChanged() override { reset(); }
    void fieldChanged(const db::Field& field) override;
    void stateChanged() override;
    void updateRecord() override { writeIfModified(); }

    std::function<void(const db::Field*)> m_show;
    std::function<void(db::Field&)> m_write;
    QString m_fieldName;
    bool m_modified = false;
    bool m_showing = false;
};

}  // namespace ui
