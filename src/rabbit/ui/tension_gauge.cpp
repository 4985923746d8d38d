#include "rabbit/ui/tension_gauge.h"

#include "widgets/aliased_stroke.h"
#include "widgets/controls.h"
#include "widgets/window_utils.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace {

// The rectangle and the normal mark, drawn as lines.
class GaugeOutline final : public QWidget
{
public:
    GaugeOutline(QWidget *frame, const TensionGauge::Layout &l)
        : QWidget(frame)
        , m_layout(l)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // A pixel wider and taller than the lines: at a fractional device
        // pixel ratio the widget's last device column or row can fall short
        // of the line drawn in its last pixel, which would then be cut off.
        setGeometry(Twips::rect(l.left, l.markTop, l.right - l.left + 2 * Twips::PerPixel,
                                l.markBottom - l.markTop + 2 * Twips::PerPixel));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const auto x = [this](int twips) { return (twips - m_layout.left) / Twips::PerPixel; };
        const auto y = [this](int twips) { return (twips - m_layout.markTop) / Twips::PerPixel; };
        QPainter painter(this);
        // One gauge pixel wide, covering the device pixels of its pixels.
        painter.setPen(QPen(Qt::black, 1));
        painter.translate(AliasedStroke::shift(painter));
        painter.drawRect(
            QRect(QPoint(x(m_layout.left), y(m_layout.top)), QPoint(x(m_layout.right), y(m_layout.bottom))));
        painter.drawLine(x(m_layout.markX), y(m_layout.markTop), x(m_layout.markX), y(m_layout.markBottom));
    }

private:
    TensionGauge::Layout m_layout;
};

void letter(QWidget *frame, const QString &name, const QString &text, int left, int top, const QString &tip)
{
    QLabel *l = Controls::label(frame, name, text, Twips::rect(left, top, 240, 240));
    Controls::setFont(l, 8, true);
    if (!tip.isEmpty())
        l->setToolTip(tip);
}

} // namespace

TensionGauge::TensionGauge(QWidget *frame, const QString &barName, const QString &letterSuffix, const Layout &layout)
    : QObject(frame)
    , m_layout(layout)
{
    new GaugeOutline(frame, layout);
    letter(frame, QStringLiteral("Lab_Low") + letterSuffix, QStringLiteral("L"), layout.left, layout.letterTop,
           QString());
    letter(frame, QStringLiteral("Lab_Normal") + letterSuffix, QStringLiteral("N"), layout.markX - 120,
           layout.letterTop, QStringLiteral("Normal"));
    letter(frame, QStringLiteral("Lab_High") + letterSuffix, QStringLiteral("H"), layout.right - 120, layout.letterTop,
           QStringLiteral("High"));
    auto *bar = new QFrame(frame);
    bar->setObjectName(barName);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar->setStyleSheet(QStringLiteral("background-color: rgb(128, 0, 128);"));
    m_bar = bar;
}

void TensionGauge::setBar(int twips)
{
    m_barTwips = twips;
    m_bar->setGeometry(Twips::rect(m_layout.barLeft, m_layout.barTop, twips, m_layout.barHeight));
}
