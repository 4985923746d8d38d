#pragma once

#include "heart/model/heart_drawing.h"

#include <QImage>
#include <QList>
#include <QWidget>

class ImageControl;
class QFrame;

// The picture of the apparatus, `Picture1` (233 x 385 pixels), with the heart
// lever drawn on it, the heart in systole or diastole hanging from the
// cannula, and the syringe shown during an injection.
//
// The lever line is drawn in the not-xor pen mode on the picture's own image:
// drawing the same line twice gives the picture back exactly as it was. The
// picture is kept at the screen's resolution: its images have the screen's
// device pixel ratio, and the lever line is one picture pixel wide.
class ApparatusPicture final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 233;
    static constexpr int Height = 385;

    explicit ApparatusPicture(QWidget *parent);

    // The lever line from (LeverLine::StartX, y) to the pivot, in twips.
    void toggleLeverLine(int yTwips);
    void showHeart(Heart::HeartPicture picture);
    // The picture as a fresh repaint leaves it: no lever line.
    void wipe();

    // `inject_img` with its needle `needle1` and `needle2` in the cannula.
    void showSyringe();
    void hideSyringe();
    bool syringeShown() const;
    void hideNeedles();
    // Paints the syringe at once, before the program blocks for a while.
    void repaintSyringe();

    const QImage &image() const { return m_image; }
    const QImage &plainPicture() const { return m_plain; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The apparatus rendered at the screen's resolution, the lever lines now
    // shown drawn on it again.
    void render();
    // Returns the rectangle it may have changed.
    QRect drawLeverLine(int yTwips);

    QColor m_background;
    // The lever lines on the picture, by their y in twips.
    QList<int> m_leverLines;
    QImage m_plain;
    QImage m_image;
    ImageControl *Img_hrtsys;
    ImageControl *Img_hrtdia;
    ImageControl *inject_img;
    QFrame *needle1;
    QFrame *needle2;
};
