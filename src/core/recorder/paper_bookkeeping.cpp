#include "core/recorder/paper_bookkeeping.h"

#include <algorithm>
#include <limits>

namespace {

// Every figure is kept in 16 bits. With the two recorders' sizes no sum leaves
// that range; should one ever do, it stops at the limit instead of wrapping
// round to the other sign.
qint16 to16(int value)
{
    return qint16(std::clamp(value, int(std::numeric_limits<qint16>::min()), int(std::numeric_limits<qint16>::max())));
}

} // namespace

PaperBookkeeping::PaperBookkeeping(qint16 startWidth, ValueZero valueZero)
    : m_valueZero(valueZero)
{
    setUp(startWidth, 0);
}

void PaperBookkeeping::setUp(qint16 paperWidth, qint16 paperLeft)
{
    m_paperWidth = paperWidth;
    m_paperLeft = paperLeft;
    emptyScrollRange();
    m_paperStartWidth = paperWidth;
    m_paperStartLeft = paperLeft;
    m_livePaperLeft = paperLeft;
}

void PaperBookkeeping::reset()
{
    m_paperLeft = m_paperStartLeft;
    m_paperWidth = m_paperStartWidth;
    m_livePaperLeft = m_paperLeft;
    emptyScrollRange();
}

void PaperBookkeeping::emptyScrollRange()
{
    m_scrollMin = 0;
    m_scrollValue = 0;
    m_scrollThreshold = m_paperWidth;
    m_scrollUnit = qint16(m_scrollThreshold / 4);
    m_paperUsed = 0;
    m_scrollStep = 4;
}

void PaperBookkeeping::grow(qint16 n)
{
    m_paperLeft = to16(m_paperLeft - n);
    m_paperWidth = qint16(std::min(m_paperWidth + n, int(MaxPaperWidth)));
}

bool PaperBookkeeping::advance(qint16 n)
{
    grow(n);
    // The paper consumed before this advance decides.
    const bool rangeGrows = m_scrollThreshold < m_paperUsed;
    if (rangeGrows) {
        m_scrollMin = to16(m_scrollMin + m_scrollStep);
        m_scrollStep = 1;
        m_scrollThreshold = m_scrollUnit;
        m_paperUsed = 0;
    }
    addPaperUsed(n);
    return rangeGrows;
}

void PaperBookkeeping::addPaperUsed(qint16 n)
{
    m_paperUsed = to16(m_paperUsed + n);
}

void PaperBookkeeping::scrollTo(qint16 value)
{
    m_scrollValue = value;
    if (m_valueZero == ValueZero::LivePosition && value == 0)
        m_paperLeft = m_livePaperLeft;
    else
        m_paperLeft = to16(to16(value - m_scrollMin) * m_scrollUnit);
}

void PaperBookkeeping::stop(qint16 penX, qint16 penY)
{
    m_stopPenX = penX;
    m_stopPenY = penY;
    m_stopPaperLeft = m_paperLeft;
}
