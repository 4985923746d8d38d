#pragma once

#include <QtGlobal>

// The chart recorder's bookkeeping, in pixels, every figure a 16-bit signed
// integer: the paper's size and place in the viewport, the scroll range that
// looks back over it, the ileum's live position and the heart's Stop state.
//
// The scroll range runs backwards: Max is always 0 and Min grows from 0, so
// Value = Min shows the start of the paper and Value = 0 the live end (the
// ileum) or Min x ScrollUnit pixels from the start (the heart).
class PaperBookkeeping
{
public:
    static constexpr qint16 MaxPaperWidth = 16383;

    // At Value 0 the ileum shows its live position; the heart shows
    // Min x ScrollUnit pixels from the start.
    enum class ValueZero { CountedFromStart, LivePosition };

    // Starts as set up with a paper startWidth wide at the viewport's left edge.
    PaperBookkeeping(qint16 startWidth, ValueZero valueZero);

    // Records the paper's size and place as the recorder's start and empties
    // the scroll range.
    void setUp(qint16 paperWidth, qint16 paperLeft);
    // The paper back to its start size and place, the range emptied.
    void reset();

    bool isPaperFull() const { return m_paperWidth == MaxPaperWidth; }

    // The paper grows n pixels to the right (never beyond MaxPaperWidth) and
    // moves n pixels left; nothing else changes (the heart's pen step).
    void grow(qint16 n);
    // grow(n), then the scroll range grows when the paper consumed before
    // this advance passed the threshold; true when the range changed.
    bool advance(qint16 n);
    // The heart counts the extra pixels of its drug marks in one sum.
    void addPaperUsed(qint16 n);

    // The thumb moved to value: the paper shows what the thumb selects.
    void scrollTo(qint16 value);

    // The ileum draws at its live position whatever the thumb shows, and
    // remembers the paper's place after each injection.
    void showLivePosition() { m_paperLeft = m_livePaperLeft; }
    void storeLivePosition() { m_livePaperLeft = m_paperLeft; }

    // Heart: Stop keeps the pen (whole pixels) and the paper's place;
    // resume puts the paper back where Stop found it.
    void stop(qint16 penX, qint16 penY);
    void resume() { m_paperLeft = m_stopPaperLeft; }

    qint16 paperWidth() const { return m_paperWidth; }
    qint16 paperLeft() const { return m_paperLeft; }

    qint16 PaperStartWidth() const { return m_paperStartWidth; }
    qint16 PaperStartLeft() const { return m_paperStartLeft; }
    qint16 ScrollUnit() const { return m_scrollUnit; }
    qint16 ScrollThreshold() const { return m_scrollThreshold; }
    qint16 PaperUsed() const { return m_paperUsed; }
    qint16 ScrollStep() const { return m_scrollStep; }
    qint16 LivePaperLeft() const { return m_livePaperLeft; }
    qint16 StopPenX() const { return m_stopPenX; }
    qint16 StopPenY() const { return m_stopPenY; }
    qint16 StopPaperLeft() const { return m_stopPaperLeft; }

    qint16 scrollMin() const { return m_scrollMin; }
    qint16 scrollMax() const { return 0; }
    qint16 scrollValue() const { return m_scrollValue; }

private:
    void emptyScrollRange();

    ValueZero m_valueZero;
    qint16 m_paperWidth = 0;
    qint16 m_paperLeft = 0;
    qint16 m_paperStartWidth = 0;
    qint16 m_paperStartLeft = 0;
    qint16 m_scrollUnit = 0;
    qint16 m_scrollThreshold = 0;
    qint16 m_paperUsed = 0;
    qint16 m_scrollStep = 4;
    qint16 m_livePaperLeft = 0;
    qint16 m_stopPenX = 0;
    qint16 m_stopPenY = 0;
    qint16 m_stopPaperLeft = 0;
    qint16 m_scrollMin = 0;
    qint16 m_scrollValue = 0;
};
