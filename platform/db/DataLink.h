#pragma once
// What a data set tells the controls bound to it (through a DataSource) and anyone else
// watching it. Every call is made on the one thread, after the change took place.
namespace db {

class DataSet;
class DataSource;
class Field;

class DataLink {
public:
    virtual ~DataLink() = default;

    // The rows changed as a whole: opened, closed, refreshed, filtered, sorted, a row
    // posted, inserted or deleted. Re-read everything shown.
    virtual void dataSetChanged() {}
    // The current row moved.
    virtual void currentRowChanged() {}
    // A field of the current row got a new value.
    virtual void fieldChanged(const Field& field) {}
    // Inactive / browse / edit / insert.
    virtual void stateChanged() {}
    // A post is about to write the row: controls holding typed, unwritten text write it
    // into their fields now.
    virtual void updateRecord() {}
    // The data set is being destroyed; forget it.
    virtual void dataSetDestroyed(DataSet& dataSet) {}
    // The data source this link is bound to is being destroyed; forget it.
    virtual void dataSourceDestroyed(DataSource& source) {}
};

}  // namespace db
