#pragma once
// Watches a data source for a control that shows the whole data set (a grid, a navigator):
// every change of the rows, the current row, a field or the state is reported.
#include "platform/ui/SourceLink.h"

#include <functional>

namespace ui {

class DataWatch : public SourceLink {
public:
    explicit DataWatch(std::function<void()> changed) : m_changed(std::move(changed)) {}

private:
    void sourceChanged() override { m_changed(); }
    void dataSetChanged() override { m_changed(); }
    void currentRowChanged() override { m_changed(); }
    void fieldChanged(const db::Field&) override { m_changed(); }
    void stateChanged() override { m_changed(); }

    std::function<void()> m_changed;
};

}  // namespace ui
