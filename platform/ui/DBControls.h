#pragma once
// Data-aware field controls: edit fields, memos, combo boxes and check boxes that show one
// field of a data source's current row and write the user's changes back (see FieldLink.h).
// Escape in a data-aware text field gives the field's value back.
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FieldLink.h"

namespace ui {

// The behaviour shared by the data-aware text fields, over the text field class Base.
template <class Base>
class DataEditField : public Base {
public:
    DataEditField(Form& form, const QString& name);

    // The data source must outlive the control or be unset first.
    db::DataSource* dataSource() const { return m_link.source(); }
    void setDataSource(db::DataSource* source) { m_link.setSource(source); }
    const QString& dataField() const { return m_link.fieldName(); }
    void setDataField(const QString& name) { m_link.setFieldName(name); }
    std::optional<db::Field> field() const { return m_link.field(); }
    bool modified() const { return m_link.modified(); }
    // Shows a text that stands in for the field's value (a placeholder's name) without being a
    // change of it, so that a post writes only what the user changed; text the user changed stays.
    void showStandIn(const QString& text);

protected:
    void keyDown(quint16 vk, ShiftState shift) override;
    void keyPress(QChar ch) override;
    void contentChanged() override { m_link.setModified(); }
    void focusLeft() override { m_link.writeIfModified(); }

    FieldLink m_link;
};

class DBEdit : public DataEditField<Edit> {
public:
    using DataEditField::DataEditField;
};

class DBMemo : public DataEditField<Memo> {
public:
    using DataEditField::DataEditField;
};

// Choosing an item from its list edits the row like typing does.
class DBComboBox : public DataEditField<ComboBox> {
public:
    using DataEditField::DataEditField;

    void userSelectItem(int index);
};

// Shows a Boolean field (no value: unchecked); a click first puts the row in edit mode.
class DBCheckBox : public CheckBox {
public:
    DBCheckBox(Form& form, const QString& name);

    // The data source must outlive the control or be unset first.
    db::DataSource* dataSource() const { return m_link.source(); }
    void setDataSource(db::DataSource* source) { m_link.setSource(source); }
    const QString& dataField() const { return m_link.fieldName(); }
    void setDataField(const QString& name) { m_link.setFieldName(name); }
    std::optional<db::Field> field() const { return m_link.field(); }

protected:
    void userClick() override;
    void focusLeft() override { m_link.writeIfModified(); }

private:
    FieldLink m_link;
};

extern template class DataEditField<Edit>;
extern template class DataEditField<Memo>;
extern template class DataEditField<ComboBox>;

}  // namespace ui
