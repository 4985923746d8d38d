#include "widgets/recorder/recorder_config.h"

#include "widgets/scheme_colours.h"
#include "widgets/window_utils.h"

QSize RecorderConfig::viewportPixels() const
{
    return QSize(Twips::toPixels(viewportTwips.width()), Twips::toPixels(viewportTwips.height()));
}

RecorderConfig RecorderConfig::heart()
{
    RecorderConfig c;
    c.frameTwips = QRect(120, 1200, 5175, 3135);
    c.viewportTwips = QSize(5055, 2535);
    c.paperColour = Qt::black;
    c.inkColour = SchemeColours::windowBackground();
    c.valueZero = PaperBookkeeping::ValueZero::CountedFromStart;
    c.hasStopAndContinue = true;
    c.paperFullMessage = QStringLiteral("Recorder Memory is Full.  Clear Content ");
    c.documentName = QStringLiteral("Vivosim - frog heart recording");
    return c;
}

RecorderConfig RecorderConfig::ileum()
{
    RecorderConfig c;
    c.frameTwips = QRect(240, 120, 7815, 3975);
    c.viewportTwips = QSize(7455, 3375);
    // Qt knows no desktop colour; this is the classic scheme's desktop teal.
    c.paperColour = QColor(0, 128, 128);
    c.inkColour = SchemeColours::windowBackground();
    c.valueZero = PaperBookkeeping::ValueZero::LivePosition;
    c.hasStopAndContinue = false;
    c.paperFullMessage = QStringLiteral("Recorder Memory is full.  Clear Content ");
    c.printToolTip = QStringLiteral("Print the recording ");
    c.documentName = QStringLiteral("Vivosim - guinea-pig ileum recording");
    return c;
}
