#pragma once
// A status bar: one simple text, or a row of panel texts.
#include "platform/ui/WinControl.h"

#include <QStringList>

namespace ui {

class StatusBar : public WinControl {
public:
    StatusBar(Form& form, const QString& name);

    bool simplePanel() const { return m_simplePanel; }
    void setSimplePanel(bool simple);
    const QString& simpleText() const { return m_simpleText; }
    void setSimpleText(const QString& text);
    const QStringList& panelTexts() const { return m_panelTexts; }
    void setPanelTexts(const QStringList& texts);
    void setPanelText(int index, const QString& text);

private:
    bool m_simplePanel = true;
    QString m_simpleText;
    QStringList m_panelTexts;
};

}  // namespace ui
