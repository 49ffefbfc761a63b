#include "platform/ui/ToolkitTranslation.h"

#include "platform/ui/Form.h"
#include "platform/ui/ToolkitFrenchSupplement.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool installToolkitTranslation(const QString& language)
{
    // Both live as long as the process: the application only holds pointers to them.
    static QTranslator translator;
    static ToolkitFrenchSupplement supplement;
    if (!translator.isEmpty())
        return true;
    // Qt's widgets write numbers and dates in it.
    QLocale::setDefault(QLocale(language));
    if (!translator.load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // Installed first, it is asked last: only for what Qt's own translation lacks.
    if (language == QLatin1String("fr"))
        QCoreApplication::installTranslator(&supplement);
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
