#pragma once
// The journal-replay window: a window of days, the journal's path, "Départ" to replay the
// journal's loans and returns onto the database through a connection of its own, and the log.
#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

#include <QDate>

namespace ui {
class Button;
class Edit;
class Label;
class RichEdit;
}  // namespace ui

namespace app {

class TFrmPrin;

class TForm3 : public ui::Form {
public:
    explicit TForm3(TFrmPrin& frm);

    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label4;
    ui::Label* Label5;
    ui::Label* Label6;
    ui::Edit* Edit1;
    ui::Edit* Edit2;
    ui::Edit* Edit3;
    ui::Button* Button1;
    ui::Button* Button2;
    ui::RichEdit* RichEdit1;

    void Button1Click();
    void Button2Click();
    void RichEdit1Change();

private:
    // Reads a date field; a refused text is told, the field reset and focused, the old date kept.
    void takeDate(ui::Edit& edit, QDate& date);
    void appendLog(const QString& text);

    TFrmPrin& m_frm;
    QString m_programFolder;
    db::Connection ADOConnection1;
    QDate m_startDate;
    QDate m_endDate;
};

}  // namespace app
