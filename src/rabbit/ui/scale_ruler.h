#pragma once

#include <QWidget>

// The ruler slid over an eye's close-up view to read the pupil: a vertical
// scale with a tick every 84.375 twips ("1 division = 1 mm"), a longer tick
// every eighth and the numbers 1 to 4, written sideways, counting upwards
// half-way between the long ticks. Drawn here so the spacing is exact.
// Pressed and moved over its view, it reports the pointer's x in the view.
class ScaleRuler final : public QWidget
{
    Q_OBJECT

public:
    static constexpr double DivisionTwips = 84.375;

    ScaleRuler(const QString &name, QWidget *view);

signals:
    void dragged(int pointerXPixels);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
