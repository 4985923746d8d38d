#include "heart/model/heart_lever.h"

namespace Heart {

namespace {

struct LeverRow
{
    quint8 TraceTop;
    quint8 TraceBottom;
    HeartLever::Swing swing;
};

// Each beat stroke the drugs can give, with the lever swing that goes with it.
constexpr LeverRow LeverTable[] = {
    {50, 80, {4250, 500}}, {90, 40, {4450, 900}}, {80, 44, {4300, 600}}, {85, 30, {4500, 1000}}, {35, 36, {3600, 110}},
    {80, 60, {4250, 400}}, {69, 59, {4100, 200}}, {84, 85, {4300, 70}},  {80, 49, {4250, 600}},
};

constexpr int SwingStride = 16;

} // namespace

std::optional<HeartLever::Swing> HeartLever::swingFor(quint8 TraceTop, quint8 TraceBottom)
{
    for (const LeverRow &row : LeverTable) {
        if (row.TraceTop == TraceTop && row.TraceBottom == TraceBottom)
            return row.swing;
    }
    return std::nullopt;
}

LeverSwingPlan HeartLever::swingPlan(qint16 LeverBase, qint16 LeverSwing, int lastneedle)
{
    LeverSwingPlan plan;
    plan.removeAt = lastneedle;
    int i = 1;
    for (; i <= LeverSwing; i += SwingStride)
        plan.steps.append({LeverBase - i, HeartPicture::Diastole});
    for (int j = 1; j <= LeverSwing; j += SwingStride)
        plan.steps.append({LeverBase - LeverSwing + j, HeartPicture::Systole});
    // Both loops end on the first value past the swing.
    plan.finalNeedle = i + LeverBase - LeverSwing;
    return plan;
}

SwingPace HeartLever::paceFor(int intervalMs, int steps)
{
    if (steps <= 0)
        return {};
    const int swingMs = qMax(intervalMs - intervalMs * RestTenths / 10, 0);
    const int frames = qBound(qMin(MinFrames, steps), swingMs / FrameMs, steps);
    const int stepsPerFrame = (steps + frames - 1) / frames;
    const int framesShown = (steps + stepsPerFrame - 1) / stepsPerFrame;
    return {stepsPerFrame, qMax(swingMs / framesShown, FrameMs)};
}

void HeartLever::followStroke(quint8 TraceTop, quint8 TraceBottom)
{
    if (const auto swing = swingFor(TraceTop, TraceBottom))
        m_swing = *swing;
}

void HeartLever::setAnimation(bool on)
{
    m_timerOn = on;
    if (!on)
        m_tickWaiting = false;
}

LeverDrawings HeartLever::leverTick()
{
    if (m_swinging) {
        m_tickWaiting = true;
        return {};
    }
    return startSwing();
}

LeverDrawings HeartLever::startSwing()
{
    m_plan = swingPlan(m_swing.LeverBase, m_swing.LeverSwing, m_lastneedle);
    LeverDrawings out;
    if (m_plan.removeAt != 0)
        toggleLine(out, m_plan.removeAt);
    if (m_plan.steps.isEmpty()) {
        m_lastneedle = m_plan.finalNeedle;
        toggleLine(out, m_lastneedle);
        return out;
    }
    m_shownStep = 0;
    m_pace = paceFor(m_interval, int(m_plan.steps.size()));
    m_swinging = true;
    toggleLine(out, m_plan.steps.first().y);
    return out;
}

LeverDrawings HeartLever::swingFrame()
{
    LeverDrawings out;
    for (int step = 0; step < m_pace.stepsPerFrame && m_swinging; ++step) {
        const bool lastStep = m_shownStep + 1 == m_plan.steps.size();
        out += playStep();
        // A swing that starts as this one ends begins with a frame of its own.
        if (lastStep)
            break;
    }
    return out;
}

LeverDrawings HeartLever::playStep()
{
    LeverDrawings out;
    const LeverSwingStep &shown = m_plan.steps.at(m_shownStep);
    toggleLine(out, shown.y);
    out.append(ShowHeart{shown.picture});
    ++m_shownStep;
    if (m_shownStep < m_plan.steps.size()) {
        toggleLine(out, m_plan.steps.at(m_shownStep).y);
        return out;
    }
    m_swinging = false;
    m_lastneedle = m_plan.finalNeedle;
    toggleLine(out, m_lastneedle);
    if (m_tickWaiting) {
        m_tickWaiting = false;
        out += startSwing();
    }
    return out;
}

LeverDrawings HeartLever::finishSwing()
{
    m_tickWaiting = false;
    LeverDrawings out;
    while (m_swinging)
        out += playStep();
    return out;
}

void HeartLever::toggleLine(LeverDrawings &out, int y)
{
    out.append(LeverLine{y});
}

void HeartLever::toggleNeedle(LeverDrawings &out) const
{
    if (m_lastneedle != 0)
        toggleLine(out, m_lastneedle);
}

void HeartLever::moveLine(LeverDrawings &out, int y) const
{
    toggleNeedle(out);
    toggleLine(out, y);
}

void HeartLever::moveNeedle(LeverDrawings &out, int y)
{
    moveLine(out, y);
    m_lastneedle = y;
}

void HeartLever::apparatusRepainted()
{
    if (paintpic1 != 1)
        m_lastneedle = 0;
    paintpic1 = 0;
}

} // namespace Heart
