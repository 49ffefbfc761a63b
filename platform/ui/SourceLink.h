#pragma once
// A data link attached to one data source at a time, the base of the links of data-aware
// controls. A source destroyed first leaves the link without a source, unannounced: that
// happens only while its window is being taken down.
#include "platform/db/DataLink.h"

namespace db {
class DataSet;
class DataSource;
}  // namespace db

namespace ui {

class SourceLink : private db::DataLink {
public:
    ~SourceLink() override;
    SourceLink(const SourceLink&) = delete;
    SourceLink& operator=(const SourceLink&) = delete;

    db::DataSource* source() const { return m_source; }
    void setSource(db::DataSource* source);
    // The source's data set while it is open.
    db::DataSet* activeDataSet() const;

protected:
    SourceLink() = default;
    // Another source (or none) was set.
    virtual void sourceChanged() = 0;

private:
    void dataSourceDestroyed(db::DataSource& source) override;

    db::DataSource* m_source = nullptr;
};

}  // namespace ui
