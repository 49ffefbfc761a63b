#pragma once
// The record navigator: a row of buttons, each running one operation of its data source's data
// set, enabled as the library enables them (nothing while the data set is closed; First and
// Prior off at the first row, Next and Last at the last; Post and Cancel only while the row is
// edited). Delete asks first; its screen may refuse it beforehand.
#include "platform/ui/DataWatch.h"
#include "platform/ui/WinControl.h"

#include <vector>

namespace ui {

class DBNavigator : public WinControl {
public:
    enum class Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };

    // The question Delete asks, and its caption: English until the program gives its own.
    struct DeleteQuestion {
        QString text = QStringLiteral("Delete record?");
        QString caption = QStringLiteral("Confirm");
    };
    static const DeleteQuestion& deleteQuestion();
    static void setDeleteQuestion(const DeleteQuestion& question);

    DBNavigator(Form& form, const QString& name);

    // The data source must outlive the navigator or be unset first.
    db::DataSource* dataSource() const { return m_watch.source(); }
    void setDataSource(db::DataSource* source) { m_watch.setSource(source); }

    // Shown from left to right, sharing the width equally; all of them at first.
    const std::vector<Button>& visibleButtons() const { return m_buttons; }
    void setVisibleButtons(const std::vector<Button>& buttons);
    bool buttonEnabled(Button button) const;

    bool confirmDelete() const { return m_confirmDelete; }
    void setConfirmDelete(bool confirm) { m_confirmDelete = confirm; }

    // A click on a button: its operation when it is shown and enabled, then OnClick.
    void userClickButton(Button button);

    std::function<void(Button button)> onClick;
    // Asked before Delete asks its question: false keeps the row, and nothing is asked or run
    // (the screen says why). Unset, every row may be deleted.
    std::function<bool()> beforeDelete;

protected:
    void userClickAt(QPoint local) override;
    bool clicksOnDoublePress() const override { return true; }

private:
    DataWatch m_watch;
    std::vector<Button> m_buttons;
    bool m_confirmDelete = true;
};

}  // namespace ui
