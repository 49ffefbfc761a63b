#include "QtFixture.h"

#include "platform/ui/qt/FormWindow.h"

#include <QApplication>

namespace uiqt {

void ensureQtApplication()
{
    if (qApp)
        return;
    static int argc = 1;
    static char name[] = "test_ui_qt";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

QtFixture::QtFixture()
{
    ensureQtApplication();
    form.setBounds(QRect(0, 0, 400, 300));
    m_renderer = std::make_unique<Renderer>(app);
}

void QtFixture::expectMirrored(const ui::Form& mirrored)
{
    for (ui::Component* component : mirrored.components()) {
        auto* control = dynamic_cast<ui::Control*>(component);
        if (!control)
            continue;
        QWidget* shown = renderer().widgetFor(*control);
        ASSERT_NE(shown, nullptr) << control->name().toStdString();
        EXPECT_EQ(shown->geometry(), control->bounds()) << control->name().toStdString();
        EXPECT_EQ(!shown->isHidden(), control->visible()) << control->name().toStdString();
        QWidget* parentShown = control->parent() == &mirrored ? renderer().windowFor(mirrored)->client()
                                                              : renderer().widgetFor(*control->parent());
        EXPECT_EQ(shown->parentWidget(), parentShown) << control->name().toStdString();
        EXPECT_EQ(shown->isEnabled(), control->enabled() && parentShown->isEnabled()) << control->name().toStdString();
    }
}

}  // namespace uiqt
