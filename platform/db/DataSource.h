#pragma once
// The link between one data set and the data-aware controls that show it: controls register
// as DataLinks here and follow whichever data set the source is given.
#include "platform/db/DataLink.h"

#include <vector>

namespace db {

class DataSet;

class DataSource : private DataLink {
public:
    explicit DataSource(DataSet* dataSet = nullptr);
    ~DataSource() override;
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    // Bound links get dataSetChanged and stateChanged for the new data set.
    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const { return dataSet_; }

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

private:
    void dataSetChanged() override;
    void currentRowChanged() override;
    void fieldChanged(const Field& field) override;
    void stateChanged() override;
    void updateRecord() override;
    void dataSetDestroyed(DataSet& dataSet) override;

    template <typename Call>
    void forward(Call call);

    DataSet* dataSet_ = nullptr;
    std::vector<DataLink*> links_;
};

}  // namespace db
