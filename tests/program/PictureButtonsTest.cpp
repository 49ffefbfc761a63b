// Every screen as the librarian opens it: no picture button (a picture control that answers a
// click, shows a hint or reacts to the pointer, its picture its face rather than a stretched
// cover or photo from the data) is drawn as nothing.
#include "EveryScreen.h"

#include "platform/ui/Image.h"

class PictureButtonsTest : public EveryScreenTest {
protected:
    // The picture controls shown now that act but have no picture.
    QStringList blankPictureButtons()
    {
        QStringList blank;
        for (ui::Component* component : frm().components()) {
            const auto* image = dynamic_cast<const ui::Image*>(component);
            if (!image || !image->showing() || image->stretch() || image->picture())
                continue;
            const bool acts = image->onClick || image->onMouseDown || image->onMouseEnter || !image->hint().isEmpty();
            if (acts)
                blank << image->name();
        }
        return blank;
    }
};

TEST_F(PictureButtonsTest, EveryScreenShowsAPictureOnEachPictureButton)
{
    startLoggedIn();
    onEveryScreenAndTab([this] { EXPECT_EQ(blankPictureButtons(), QStringList()); });
}
