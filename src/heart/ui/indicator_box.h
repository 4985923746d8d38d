#pragma once

#include <QImage>
#include <QLine>
#include <QVector>
#include <QWidget>

// One of the two indicator boxes, `Pic_HR_Graph` and `PicToneGraph`: a small
// dark box, 73 x 33 pixels, that holds one green level line. The box is kept
// at the screen's resolution: its image has the screen's device pixel ratio.
class IndicatorBox final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 73;
    static constexpr int Height = 33;

    IndicatorBox(const QString &name, const QColor &background, QWidget *parent);

    void clear();
    // In the box's pixels; what lies outside the box is not drawn.
    void drawLine(const QLine &line);
    // The box's width as the window reports it, in twips.
    int widthTwips() const;

    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The image blank at the screen's resolution, with the lines drawn since
    // the last clear drawn again.
    void redraw();
    void paintLine(const QLine &line);

    QColor m_background;
    QVector<QLine> m_lines;
    QImage m_image;
};
