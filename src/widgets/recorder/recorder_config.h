#pragma once

#include "core/recorder/paper_bookkeeping.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

// What tells the heart's recorder from the ileum's: sizes (twips), colours,
// texts, what Value 0 of the scroll bar shows, and whether the recorder has
// its own Stop and Continue.
struct RecorderConfig
{
    QRect frameTwips;    // FraPicture in its window
    QSize viewportTwips; // the viewport and the paper at set-up
    QColor paperColour;
    QColor inkColour;
    PaperBookkeeping::ValueZero valueZero = PaperBookkeeping::ValueZero::CountedFromStart;
    bool hasStopAndContinue = false;
    QString paperFullMessage;
    QString printToolTip;
    QString documentName; // the print job's name

    QSize viewportPixels() const;

    // The colours named after system colours are read from the application's
    // palette, so call these once the application exists.
    static RecorderConfig heart();
    static RecorderConfig ileum();
};
