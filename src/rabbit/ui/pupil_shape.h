#pragma once

#include <QRectF>
#include <QWidget>

// The pupil in an eye's close-up view: a solid circle, RGB(128, 0, 0),
// inscribed in its box (diameter the smaller side, centred). The box is in
// twips of the view and keeps fractions.
class PupilShape final : public QWidget
{
    Q_OBJECT

public:
    PupilShape(const QString &name, QWidget *view);

    void setBox(const QRectF &twips);
    QRectF box() const { return m_box; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF m_box;
};
