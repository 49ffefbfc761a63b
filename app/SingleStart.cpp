#include "app/SingleStart.h"

#include "platform/ui/Application.h"

namespace app {

bool claimSingleStart(shell::SingleInstance& instance, ui::Application& application)
{
    switch (instance.acquire()) {
    case shell::SingleInstance::Claim::Held:
        return true;
    case shell::SingleInstance::Claim::HeldElsewhere:
        return false;
    case shell::SingleInstance::Claim::Failed:
        break;
    }
    application.messageBox(instance.errorString() + QStringLiteral("\rQvlZantor ne peut pas démarrer."),
                           QStringLiteral("QvlZantor"), ui::MessageButtons::Ok, ui::MessageIcon::Error);
    return false;
}

}  // namespace app
