#pragma once
// The top-level window of a form, drawn at the form's outer rectangle with the non-client
// metrics of the model (frame, caption bar, menu bar), so that a point of the window is the
// screen point the model hit-tests. When the screen is smaller than the form, the window takes
// the screen's size and its client area scrolls.
#include <QWidget>

class QMenuBar;
class QScrollArea;

namespace ui {
class Form;
}

namespace uiqt {

class FormWindow : public QWidget {
public:
    explicit FormWindow(ui::Form& form);

    ui::Form& form() const { return m_form; }
    QMenuBar* menuBar() const { return m_menuBar; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    // The form's client area, at the form's client size; the controls' widgets lie on it.
    QWidget* client() const { return m_client; }

    // Places the window, its menu bar and its client area from the form's geometry and scroll
    // position.
    void layoutFromModel();
    // The form as the model has it: its outer size, the client area shown from its scroll
    // position, whatever part of it the screen shows.
    QImage renderImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void paintNonClient(QPainter& painter, QSize outer) const;
    QRect captionBar(QSize outer) const;
    QRect closeBox(QSize outer) const;
    // The user asked to close the window: the form's close runs as queued input.
    void requestClose();
    // The user scrolled the client area.
    void scrolled();

    ui::Form& m_form;
    QMenuBar* m_menuBar;
    QScrollArea* m_scrollArea;
    QWidget* m_client;
};

}  // namespace uiqt
