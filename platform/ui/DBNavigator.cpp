#include "platform/ui/DBNavigator.h"

#include "platform/db/DataSet.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <algorithm>

namespace ui {

namespace {

DBNavigator::DeleteQuestion& navigatorDeleteQuestion()
{
    static DBNavigator::DeleteQuestion question;
    return question;
}

}  // namespace

const DBNavigator::DeleteQuestion& DBNavigator::deleteQuestion() { return navigatorDeleteQuestion(); }

void DBNavigator::setDeleteQuestion(const DeleteQuestion& question) { navigatorDeleteQuestion() = question; }

DBNavigator::DBNavigator(Form& form, const QString& name)
    : WinControl(form, name),
      m_watch([this] { notify(Property::Data); }),
      m_buttons{Button::First, Button::Prior, Button::Next, Button::Last, Button::Insert,
                Button::Delete, Button::Edit, Button::Post, Button::Cancel, Button::Refresh}
{
}

void DBNavigator::setVisibleButtons(const std::vector<Button>& buttons)
{
    m_buttons = buttons;
    notify(Property::Data);
}

bool DBNavigator::buttonEnabled(Button button) const
{
    const db::DataSet* dataSet = enabled() ? m_watch.activeDataSet() : nullptr;
    if (!dataSet)
        return false;
    const bool editing = dataSet->state() == db::DataSetState::Edit || dataSet->state() == db::DataSetState::Insert;
    switch (button) {
    case Button::First:
    case Button::Prior: return !dataSet->bof();
    case Button::Next:
    case Button::Last: return !dataSet->eof();
    case Button::Delete: return !(dataSet->bof() && dataSet->eof());
    case Button::Edit: return !editing;
    case Button::Post:
    case Button::Cancel: return editing;
    case Button::Insert:
    case Button::Refresh: return true;
    }
    return false;
}

void DBNavigator::userClickButton(Button button)
{
    if (std::find(m_buttons.begin(), m_buttons.end(), button) == m_buttons.end() || !buttonEnabled(button))
        return;
    db::DataSet& dataSet = *m_watch.activeDataSet();
    switch (button) {
    case Button::First: dataSet.first(); break;
    case Button::Prior: dataSet.prior(); break;
    case Button::Next: dataSet.next(); break;
    case Button::Last: dataSet.last(); break;
    case Button::Insert: dataSet.insert(); break;
    case Button::Delete:
        if (beforeDelete && !beforeDelete())
            return;
        if (!m_confirmDelete
            || application().messageBox(deleteQuestion().text, deleteQuestion().caption, MessageButtons::OkCancel,
                                        MessageIcon::Question)
                   != ModalResult::Cancel)
            dataSet.remove();
        break;
    case Button::Edit: dataSet.edit(); break;
    case Button::Post: dataSet.post(); break;
    case Button::Cancel: dataSet.cancel(); break;
    case Button::Refresh: dataSet.refresh(); break;
    }
    if (onClick)
        onClick(button);
}

void DBNavigator::userClickAt(QPoint local)
{
    if (m_buttons.empty() || width() <= 0)
        return;
    const int index = std::clamp(int(qint64(local.x()) * qint64(m_buttons.size()) / width()), 0, int(m_buttons.size()) - 1);
    userClickButton(m_buttons[size_t(index)]);
}

}  // namespace ui
