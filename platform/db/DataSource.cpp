#include "platform/db/DataSource.h"

#include "platform/db/DataSet.h"

#include <algorithm>
#include <utility>

namespace db {

DataSource::DataSource(DataSet* dataSet) { setDataSet(dataSet); }

DataSource::~DataSource()
{
    if (dataSet_)
        dataSet_->removeLink(this);
    // A window's sources may go before its controls do.
    for (DataLink* link : std::exchange(links_, {}))
        link->dataSourceDestroyed(*this);
}

void DataSource::setDataSet(DataSet* dataSet)
{
    if (dataSet == dataSet_)
        return;
    if (dataSet_)
        dataSet_->removeLink(this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->addLink(this);
    forward([](DataLink& link) { link.dataSetChanged(); });
    forward([](DataLink& link) { link.stateChanged(); });
}

void DataSource::addLink(DataLink* link)
{
    if (std::find(links_.begin(), links_.end(), link) == links_.end())
        links_.push_back(link);
}

void DataSource::removeLink(DataLink* link)
{
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

template <typename Call>
void DataSource::forward(Call call)
{
    const std::vector<DataLink*> links = links_;
    for (DataLink* link : links) {
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            call(*link);
    }
}

void DataSource::dataSetChanged()
{
    forward([](DataLink& link) { link.dataSetChanged(); });
}

void DataSource::currentRowChanged()
{
    forward([](DataLink& link) { link.currentRowChanged(); });
}

void DataSource::fieldChanged(const Field& field)
{
    forward([&](DataLink& link) { link.fieldChanged(field); });
}

void DataSource::stateChanged()
{
    forward([](DataLink& link) { link.stateChanged(); });
}

void DataSource::updateRecord()
{
    forward([](DataLink& link) { link.updateRecord(); });
}

void DataSource::dataSetDestroyed(DataSet& dataSet)
{
    if (&dataSet == dataSet_)
        setDataSet(nullptr);
}

}  // namespace db
