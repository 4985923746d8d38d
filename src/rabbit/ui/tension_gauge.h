#pragma once

#include <QWidget>

class QLabel;

// An eye's intraocular tension indicator: the rectangle, the vertical
// normal mark, the letters "L", "N" ("Normal") and "H" ("High") under it and
// the filled bar, RGB(128, 0, 128), from the rectangle's left edge.
// Positions are twips in the eye's frame.
class TensionGauge final : public QObject
{
    Q_OBJECT

public:
    struct Layout
    {
        int left, top, right, bottom; // the rectangle
        int markX, markTop, markBottom;
        int letterTop;
        int barLeft, barTop, barHeight;
    };

    TensionGauge(QWidget *frame, const QString &barName, const QString &letterSuffix, const Layout &layout);

    void setBar(int twips);
    QWidget *bar() const { return m_bar; }
    int barTwips() const { return m_barTwips; }

private:
    QWidget *m_bar;
    int m_barTwips = 0;
    Layout m_layout;
};
