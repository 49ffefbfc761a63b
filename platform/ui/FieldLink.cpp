#include "platform/ui/FieldLink.h"

#include "platform/db/DataSet.h"

namespace ui {

FieldLink::FieldLink(std::function<void(const db::Field*)> show, std::function<void(db::Field&)> write)
    : m_show(std::move(show)), m_write(std::move(write))
{
}

void FieldLink::setFieldName(const QString& name)
{
    m_fieldName = name;
    reset();
}

std::optional<db::Field> FieldLink::field() const
{
    db::DataSet* dataSet = activeDataSet();
    if (!dataSet || m_fieldName.isEmpty())
        return std::nullopt;
    return dataSet->findField(m_fieldName);
}

void FieldLink::setModified()
{
    if (!m_showing)
        m_modified = true;
}

static bool editing(const db::DataSet& dataSet)
{
    return dataSet.state() == db::DataSetState::Edit || dataSet.state() == db::DataSetState::Insert;
}

bool FieldLink::edit()
{
    const std::optional<db::Field> f = field();
    if (!f || f->readOnly())
        return false;
    db::DataSet& dataSet = f->dataSet();
    if (editing(dataSet))
        return true;
    if (dataSet.isEmpty())
        return false;
    dataSet.edit();
    return true;
}

void FieldLink::writeIfModified()
{
    if (!m_modified)
        return;
    std::optional<db::Field> f = field();
    if (!f || !editing(f->dataSet()))
        return;
    m_modified = false;
    m_write(*f);
}

void FieldLink::reset()
{
    const std::optional<db::Field> f = field();
    m_showing = true;
    try {
        m_show(f ? &*f : nullptr);
    } catch (...) {
        m_showing = false;
        throw;
    }
    m_showing = false;
    m_modified = false;
}

void FieldLink::fieldChanged(const db::Field& changed)
{
    const std::optional<db::Field> f = field();
    if (f && &f->dataSet() == &changed.dataSet() && f->index() == changed.index())
        reset();
}

void FieldLink::stateChanged()
{
    if (!field())
        reset();
}

}  // namespace ui
