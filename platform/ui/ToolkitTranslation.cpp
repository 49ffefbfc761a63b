#include "platform/ui/ToolkitTranslation.h"

#include "platform/ui/Form.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

bool installToolkitTranslation(const QString& language)
{
    // Lives as long as the process: the application only holds a pointer to it.
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

// The source texts of Qt's standard buttons, as its translations know them.
static const std::pair<ModalResult, const char*> kToolkitButtonTexts[] = {
    {ModalResult::Ok, "OK"},       {ModalResult::Cancel, "Cancel"}, {ModalResult::Yes, "&Yes"},
    {ModalResult::No, "&No"},      {ModalResult::Abort, "Abort"},   {ModalResult::Retry, "Retry"},
    {ModalResult::Ignore, "Ignore"}, {ModalResult::Close, "Close"},
};

QString buttonCaption(ModalResult result)
{
    for (const auto& [value, text] : kToolkitButtonTexts)
        if (value == result)
            return QCoreApplication::translate("QPlatformTheme", text).remove(u'&');
    return {};
}

}  // namespace ui
