// The window's own title bar, for compositors that draw no frame: a fixed window offers no
// maximise.
#pragma once

#include <QWidget>

class QAbstractButton;

namespace glintrow {

class TitleBar : public QWidget {
    Q_OBJECT

public:
    // How tall the bar is and how wide the border round the rest of the window, in logical pixels.
    static constexpr int Height = 30;
    static constexpr int Border = 3;

    // Lays the window's contents inside a border under a bar that shows its icon and title, moves
    // the window when dragged, and offers to minimise and to close it; the window's own close
    // handling decides what closing does.
    explicit TitleBar(QWidget* window);

    QAbstractButton* minimiseButton() const { return minimise_; }
    QAbstractButton* closeButton() const { return close_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void fitToWindow();

    QAbstractButton* minimise_ = nullptr;
    QAbstractButton* close_ = nullptr;
};

} // namespace glintrow
