#pragma once

#include <QWidget>

class QSvgRenderer;

// The measuring ruler `Picture1`, lying on the recorder paper as a child of
// it, so it is neither printed nor wiped. Pressing the mouse on it starts a
// drag; the window moves it as the drag passes over the paper, its left edge
// at the pointer.
class RulerPicture final : public QWidget
{
    Q_OBJECT

public:
    explicit RulerPicture(QWidget *paper);

    // Left edge at x (paper pixels); the top stays where it is.
    void moveLeftTo(int x);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // The drag icon: the ruler's picture, faint, so the ruler itself shows
    // where it lies.
    QPixmap dragIcon() const;

    QSvgRenderer *m_renderer;
};
