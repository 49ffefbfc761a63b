#include "platform/ui/SourceLink.h"

#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"

namespace ui {

SourceLink::~SourceLink()
{
    if (m_source)
        m_source->removeLink(this);
}

void SourceLink::setSource(db::DataSource* source)
{
    if (source == m_source)
        return;
    if (m_source)
        m_source->removeLink(this);
    m_source = source;
    if (m_source)
        m_source->addLink(this);
    sourceChanged();
}

void SourceLink::dataSourceDestroyed(db::DataSource& source)
{
    if (&source == m_source)
        m_source = nullptr;
}

db::DataSet* SourceLink::activeDataSet() const
{
    db::DataSet* dataSet = m_source ? m_source->dataSet() : nullptr;
    return dataSet && dataSet->active() ? dataSet : nullptr;
}

}  // namespace ui
