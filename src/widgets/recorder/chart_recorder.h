#pragma once

#include "core/recorder/paper_bookkeeping.h"
#include "core/recorder/paper_commands.h"
#include "widgets/recorder/recorder_config.h"

#include <QGroupBox>

class PaperWidget;
class QPushButton;
class QScrollBar;

// The chart recorder of the heart and the ileum windows: the frame
// `FraPicture` with the viewport `Pic_Continer`, the paper `PicMain` and the
// scroll bar `HScrPic`, and the buttons `Cmd_Print` and, for the heart,
// `CmdPic_Stop` and `CmdPic_Continue`. The buttons are created in the window;
// the window places them. What Stop and Continue do to the experiment itself
// (its timer, its help line) is the window's: it hears stopped() and
// continued().
//
// The pen stays at the right-hand edge of the viewport and the paper moves
// left under it: each advance of n pixels widens the paper by n and moves it n
// pixels left, so after an advance the newest columns are W - n to W, W being
// the paper's new width.
class ChartRecorder final : public QGroupBox
{
    Q_OBJECT

public:
    ChartRecorder(const RecorderConfig &config, QWidget *window);

    // First load of the window in a practical: records the start size and
    // place, empties the scroll range and reseeds chance from the clock.
    void RecorderSetUp();
    // Every later load: the paper back to its start, wiped, the range empty.
    void RecorderReset();
    bool IsPaperFull() const;
    // Called only while the paper is not full.
    void AdvancePaper(qint16 n);
    // The heart's pen step: the paper grows and moves by n pixels, without
    // the scroll-range test of AdvancePaper.
    void GrowPaper(qint16 n);
    // The heart adds its drug marks' pixels to the paper consumed in one sum.
    void AddPaperUsed(qint16 n);

    // Ileum: the paper back at its live position whatever the thumb shows,
    // and the live position taken from where the paper now is.
    void ShowLivePosition();
    void StoreLivePosition();

    // Replays a practical's drawing on the paper, in order.
    void draw(const Paper::Commands &commands);

    // The paper-full question; true when the user answers Yes (clear it).
    bool askToClearFullPaper();

    // Heart: what Continue does, for an injection given while the recorder
    // stands still.
    void continueRecording();

    PaperWidget *paper() const { return PicMain; }
    QWidget *viewport() const { return Pic_Continer; }
    QScrollBar *scrollBar() const { return HScrPic; }
    QPushButton *printButton() const { return Cmd_Print; }
    QPushButton *stopButton() const { return CmdPic_Stop; }
    QPushButton *continueButton() const { return CmdPic_Continue; }
    const PaperBookkeeping &bookkeeping() const { return m_book; }
    const RecorderConfig &config() const { return m_config; }

signals:
    // Heart: the recorder has stopped, by Stop or by a look back with the
    // thumb; the experiment's clock must stand still until continued().
    void stopped();
    // Heart: Continue has put the paper and the pen back where Stop found
    // them; the experiment runs on.
    void continued();

private:
    // The thumb moved: shows the part of the paper it selects. A running
    // heart recorder stops first.
    void HScrPic_Change();
    void Cmd_Print_Click();
    void CmdPic_Stop_Click();
    void CmdPic_Continue_Click();

    void buildButtons(QWidget *window);
    void showPaper();
    // The scroll bar shows the bookkeeping's range; Qt's range runs forwards,
    // so its values are the bookkeeping's negated.
    void showScrollRange();
    void scrollBarMoved(int value);

    RecorderConfig m_config;
    PaperBookkeeping m_book;
    QWidget *Pic_Continer = nullptr;
    PaperWidget *PicMain = nullptr;
    QScrollBar *HScrPic = nullptr;
    QPushButton *Cmd_Print = nullptr;
    QPushButton *CmdPic_Stop = nullptr;
    QPushButton *CmdPic_Continue = nullptr;
    bool m_showingRange = false;
};
