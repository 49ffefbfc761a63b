#include "web/ShownPage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace web {

void ShownPage::keep(const QString& resultJson)
{
    // The answer is a JSON string of the percent-encoded document.
    const QJsonArray answer = QJsonDocument::fromJson("[" + resultJson.toUtf8() + "]").array();
    if (answer.isEmpty() || !answer.first().isString()) {
        m_document = {};
        return;
    }
    m_document = browser::PageDocument::fromHtml(QUrl::fromPercentEncoding(answer.first().toString().toUtf8()));
}

}  // namespace web
