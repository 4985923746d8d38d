#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QVector>

class QLabel;
class QWidget;

// Carrying a tool across a window: once picked up, the tool's picture follows
// the pointer (the window and its controls track the mouse meanwhile, and the
// pointer itself is hidden); the next click anywhere in the window puts it
// down and does nothing else. While it is carried, the pointer entering or
// leaving a target is reported. Hiding or unloading the window puts the tool
// down and gives the pointer back.
class ToolCarrier final : public QObject
{
    Q_OBJECT

public:
    explicit ToolCarrier(QWidget *window);
    ~ToolCarrier() override;

    // Reported in the order given: list an enclosing target before the
    // targets inside it.
    void addTarget(QWidget *target);

    // hotSpot: the point of the picture that is at the pointer.
    void pickUp(const QPixmap &picture, QPoint hotSpot = QPoint());
    void setPicture(const QPixmap &picture, QPoint hotSpot = QPoint());
    // Puts the tool down: every target the pointer is in is left first.
    void putDown();

    bool carrying() const { return m_carrying; }
    // The carried picture, as a child of the window.
    QLabel *pictureLabel() const { return m_picture; }

signals:
    void entered(QWidget *target);
    void left(QWidget *target);
    void putDownDone();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool inWindow(QObject *object) const;
    void follow(const QPoint &globalPos);
    void setTracking(bool on);

    QWidget *m_window;
    QLabel *m_picture;
    QPoint m_hotSpot;
    bool m_carrying = false;
    bool m_swallowRelease = false;
    QVector<QPointer<QWidget>> m_targets;
    QVector<QPointer<QWidget>> m_inside;
    QVector<QPointer<QWidget>> m_tracked;
};
