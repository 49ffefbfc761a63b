#include "platform/ui/DialogService.h"

#include "platform/ui/Form.h"
#include "platform/ui/ToolkitTranslation.h"

namespace ui {

std::vector<ModalResult> buttonsOf(MessageButtons buttons)
{
    using R = ModalResult;
    switch (buttons) {
    case MessageButtons::Ok: return {R::Ok};
    case MessageButtons::OkCancel: return {R::Ok, R::Cancel};
    case MessageButtons::YesNo: return {R::Yes, R::No};
    case MessageButtons::YesNoCancel: return {R::Yes, R::No, R::Cancel};
    case MessageButtons::RetryCancel: return {R::Retry, R::Cancel};
    case MessageButtons::AbortRetryIgnore: return {R::Abort, R::Retry, R::Ignore};
    }
    return {};
}

static const std::pair<ModalResult, const char*> kResultNames[] = {
    {ModalResult::Ok, "OK"},       {ModalResult::Cancel, "Cancel"}, {ModalResult::Yes, "Yes"},
    {ModalResult::No, "No"},       {ModalResult::Abort, "Abort"},   {ModalResult::Retry, "Retry"},
    {ModalResult::Ignore, "Ignore"}, {ModalResult::Close, "Close"},
};

QString resultName(ModalResult result)
{
    for (const auto& [value, name] : kResultNames)
        if (value == result)
            return QString::fromLatin1(name);
    return {};
}

// A script may name a button in English or as the box shows it.
std::optional<ModalResult> resultFromName(const QString& name)
{
    for (const auto& [value, text] : kResultNames)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0 ||
            name.compare(buttonCaption(value), Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}

}  // namespace ui
