#pragma once
// The splash window shown while the windows are created: borderless, disabled, centred, one
// stretched picture.
#include "platform/ui/Form.h"

namespace app {

class TForm1 : public ui::Form {
public:
    // pictureFile: native path of the splash picture; a missing one leaves the window plain.
    TForm1(ui::Application& application, const QString& pictureFile);
};

}  // namespace app
