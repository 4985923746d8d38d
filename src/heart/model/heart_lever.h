#pragma once

#include "heart/model/heart_drawing.h"

#include <QVector>

#include <optional>

namespace Heart {

// One step of a lever swing: the line shown at y (twips) for a short pause,
// then removed and the picture shown.
struct LeverSwingStep
{
    int y;
    HeartPicture picture;
    bool operator==(const LeverSwingStep &o) const { return y == o.y && picture == o.picture; }
};

// One lever beat: the resting line at removeAt taken away first (0: there is
// none), the steps up and back, and the line left at finalNeedle.
struct LeverSwingPlan
{
    int removeAt = 0;
    QVector<LeverSwingStep> steps;
    int finalNeedle = 0;
};

// How a swing is shown: its steps in frames of stepsPerFrame steps, one frame
// every pauseMs.
struct SwingPace
{
    int stepsPerFrame = 1;
    int pauseMs = 0;
    bool operator==(const SwingPace &) const = default;
};

// The heart lever on the apparatus picture: its swing by the beat stroke in
// force, its timer `lever1` and the line it leaves between beats at
// `lastneedle` (twips; 0 when no line is drawn).
//
// A swing is played frame by frame: leverTick() starts one and gives its
// first step, swingFrame() each following frame; the window shows each frame
// for framePauseMs() and lets events run meanwhile. A frame holds several
// steps only where one step a frame would pass faster than the screen can
// show; each step's line is still drawn and removed in turn, so the picture
// ends as if every step had been shown. The pace is chosen when the swing
// starts, so that the whole swing, up and back, ends a little before the
// next lever tick: the lever beats once per interval. Intervals of a few
// milliseconds (a rate increase) are shorter than the screen can show a
// swing in; there the lever swings as fast as the screen shows it, and a
// lever tick that finds a swing running starts the next swing when the
// running one ends.
class HeartLever
{
public:
    static constexpr int RestIntervalMs = 500;
    // The part of each interval the swing leaves the lever at rest, in
    // tenths: a 500 ms beat swings for at most 450 ms.
    static constexpr int RestTenths = 1;
    // The shortest time a frame of the swing stays on the screen, about one
    // refresh of the display (ms), and the fewest frames a swing is shown
    // in: up, the top, down, the foot.
    static constexpr int FrameMs = 16;
    static constexpr int MinFrames = 4;
    static constexpr int CalciumArrestY = 3550;
    static constexpr int PotassiumArrestY = 4300;
    struct Swing
    {
        qint16 LeverBase;  // lower end of the swing, twips
        qint16 LeverSwing; // its height, twips
    };
    // The swing of the beat stroke (TraceTop, TraceBottom); nothing for a
    // stroke the lever table does not hold.
    static std::optional<Swing> swingFor(quint8 TraceTop, quint8 TraceBottom);
    static LeverSwingPlan swingPlan(qint16 LeverBase, qint16 LeverSwing, int lastneedle);
    // The pace that shows `steps` swing steps inside intervalMs with the
    // lever's rest left over, no frame shorter than FrameMs.
    static SwingPace paceFor(int intervalMs, int steps);

    // Each beat: the swing follows the stroke; an unknown stroke keeps the
    // swing as it was.
    void followStroke(quint8 TraceTop, quint8 TraceBottom);
    qint16 LeverBase() const { return m_swing.LeverBase; }
    qint16 LeverSwing() const { return m_swing.LeverSwing; }

    int lastneedle() const { return m_lastneedle; }
    // The window's load for a new stage: no line is drawn yet.
    void forgetLine() { m_lastneedle = 0; }

    // `lever1`: the window keeps its timer in step with these.
    bool timerOn() const { return m_timerOn; }
    int interval() const { return m_interval; }
    // Off also drops a tick waiting for the running swing.
    void setAnimation(bool on);
    void setInterval(int milliseconds) { m_interval = milliseconds; }

    LeverDrawings leverTick();
    LeverDrawings swingFrame();
    bool swinging() const { return m_swinging; }
    // The pause between the running swing's frames, ms; the window keeps the
    // swing's timer at it.
    int framePauseMs() const { return m_pace.pauseMs; }
    // The rest of the running swing at once, without its pauses; a tick
    // waiting for it is dropped. An injection and New call it before they
    // move or stop the lever; the window calls it before it hides itself or
    // draws the line at lastneedle itself.
    LeverDrawings finishSwing();

    // Draws the line at y, or removes it if it stands there.
    static void toggleLine(LeverDrawings &out, int y);
    // The same at lastneedle, if a line stands there.
    void toggleNeedle(LeverDrawings &out) const;
    // Takes the line away from lastneedle and draws it at y; lastneedle
    // stays (the arrest line at y is taken away later).
    void moveLine(LeverDrawings &out, int y) const;
    // The same, and lastneedle becomes y.
    void moveNeedle(LeverDrawings &out, int y);

    // 1 while a repaint of the apparatus picture must keep lastneedle.
    int paintpic1 = 0;
    // The apparatus picture was repainted, which wiped the line.
    void apparatusRepainted();

private:
    LeverDrawings startSwing();
    LeverDrawings playStep();

    Swing m_swing{0, 0};
    int m_lastneedle = 0;
    bool m_timerOn = true;
    int m_interval = RestIntervalMs;

    LeverSwingPlan m_plan;
    int m_shownStep = 0;
    SwingPace m_pace;
    bool m_swinging = false;
    bool m_tickWaiting = false;
};

} // namespace Heart
