#include "widgets/recorder/chart_recorder.h"

#include "core/random_source.h"
#include "widgets/controls.h"
#include "widgets/message_boxes.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/recorder/recording_print.h"
#include "widgets/window_utils.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

// The viewport sits under the frame's caption: 240 twips from its top.
constexpr int ViewportTop = 16;

} // namespace

ChartRecorder::ChartRecorder(const RecorderConfig &config, QWidget *window)
    : QGroupBox(QStringLiteral("Recorder"), window)
    , m_config(config)
    , m_book(qint16(config.viewportPixels().width()), config.valueZero)
{
    setObjectName(QStringLiteral("FraPicture"));
    const QRect frame = config.frameTwips;
    setGeometry(Twips::rect(frame.left(), frame.top(), frame.width(), frame.height()));

    const QSize viewportSize = config.viewportPixels();
    const QRect viewportPlace(QPoint((width() - viewportSize.width()) / 2, ViewportTop), viewportSize);
    Pic_Continer = new QWidget(this);
    Pic_Continer->setObjectName(QStringLiteral("Pic_Continer"));
    Pic_Continer->setGeometry(viewportPlace);
    Pic_Continer->setAutoFillBackground(true);

    PicMain = new PaperWidget(viewportSize, config.paperColour, config.inkColour, Pic_Continer);

    // Directly under the viewport, as wide as it.
    HScrPic = new QScrollBar(Qt::Horizontal, this);
    HScrPic->setObjectName(QStringLiteral("HScrPic"));
    HScrPic->setGeometry(viewportPlace.left(), viewportPlace.bottom() + 1, viewportSize.width(),
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, HScrPic));
    HScrPic->setSingleStep(1);
    HScrPic->setPageStep(1);
    showScrollRange();
    connect(HScrPic, &QScrollBar::valueChanged, this, &ChartRecorder::scrollBarMoved);

    buildButtons(window);
}

void ChartRecorder::buildButtons(QWidget *window)
{
    Cmd_Print = Controls::button(window, QStringLiteral("Cmd_Print"), QStringLiteral("&Print"), QRect(0, 0, 73, 25),
                                 m_config.printToolTip);
    connect(Cmd_Print, &QPushButton::clicked, this, &ChartRecorder::Cmd_Print_Click);
    if (!m_config.hasStopAndContinue)
        return;
    CmdPic_Stop = Controls::button(window, QStringLiteral("CmdPic_Stop"), QString(), QRect(0, 0, 33, 25),
                                   QStringLiteral("Stop the recorder"));
    CmdPic_Stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    CmdPic_Stop->setAccessibleName(QStringLiteral("Stop"));
    connect(CmdPic_Stop, &QPushButton::clicked, this, &ChartRecorder::CmdPic_Stop_Click);
    CmdPic_Continue = Controls::button(window, QStringLiteral("CmdPic_Continue"), QStringLiteral("&Continue"),
                                       QRect(0, 0, 73, 25), QStringLiteral("Start the recorder"));
    CmdPic_Continue->setEnabled(false);
    connect(CmdPic_Continue, &QPushButton::clicked, this, &ChartRecorder::CmdPic_Continue_Click);
}

void ChartRecorder::RecorderSetUp()
{
    // The paper starts as large as the viewport, at its left edge.
    m_book.setUp(qint16(Pic_Continer->width()), 0);
    Chance::reseedFromClock();
    showScrollRange();
    showPaper();
}

void ChartRecorder::RecorderReset()
{
    // The thumb goes home without running the scroll handler: a reset is not
    // a look back, and must not stop a running heart recorder.
    m_book.reset();
    showPaper();
    PicMain->wipe();
    showScrollRange();
}

bool ChartRecorder::IsPaperFull() const
{
    return m_book.isPaperFull();
}

void ChartRecorder::AdvancePaper(qint16 n)
{
    if (m_book.advance(n))
        showScrollRange();
    showPaper();
}

void ChartRecorder::GrowPaper(qint16 n)
{
    m_book.grow(n);
    showPaper();
}

void ChartRecorder::AddPaperUsed(qint16 n)
{
    m_book.addPaperUsed(n);
}

void ChartRecorder::ShowLivePosition()
{
    m_book.showLivePosition();
    showPaper();
}

void ChartRecorder::StoreLivePosition()
{
    m_book.storeLivePosition();
}

bool ChartRecorder::askToClearFullPaper()
{
    MessageBoxes::Request full;
    full.text = m_config.paperFullMessage;
    full.buttons = MessageBoxes::Buttons::YesNo;
    full.defaultAnswer = MessageBoxes::Answer::Yes;
    return MessageBoxes::show(window(), full) == MessageBoxes::Answer::Yes;
}

void ChartRecorder::showPaper()
{
    PicMain->setPaperGeometry(m_book.paperLeft(), m_book.paperWidth());
}

void ChartRecorder::showScrollRange()
{
    m_showingRange = true;
    HScrPic->setRange(-m_book.scrollMin(), -m_book.scrollMax());
    HScrPic->setValue(-m_book.scrollValue());
    m_showingRange = false;
}

void ChartRecorder::scrollBarMoved(int)
{
    if (!m_showingRange)
        HScrPic_Change();
}

void ChartRecorder::HScrPic_Change()
{
    if (CmdPic_Stop && CmdPic_Stop->isEnabled())
        CmdPic_Stop_Click();
    m_book.scrollTo(qint16(-HScrPic->value()));
    showPaper();
}

void ChartRecorder::Cmd_Print_Click()
{
    RecordingPrint::printRecording(window(), PicMain->image(), m_config.documentName);
}

void ChartRecorder::CmdPic_Stop_Click()
{
    if (!CmdPic_Stop)
        return;
    CmdPic_Continue->setEnabled(true);
    CmdPic_Stop->setEnabled(false);
    const QPoint pen = PicMain->pen();
    m_book.stop(qint16(pen.x()), qint16(pen.y()));
    emit stopped();
}

void ChartRecorder::CmdPic_Continue_Click()
{
    continueRecording();
}

void ChartRecorder::continueRecording()
{
    if (!CmdPic_Continue)
        return;
    // Runs the scroll handler when the thumb was elsewhere; the recorder is
    // stopped, so that only moves the paper.
    HScrPic->setValue(0);
    PicMain->setPen(QPoint(m_book.StopPenX(), m_book.StopPenY()));
    m_book.resume();
    showPaper();
    CmdPic_Continue->setEnabled(false);
    CmdPic_Stop->setEnabled(true);
    emit continued();
}
