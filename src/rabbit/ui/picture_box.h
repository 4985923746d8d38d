#pragma once

#include <QPixmap>
#include <QWidget>

// A picture box of the rabbit window: shows a picture loaded from a file
// from its top left corner, clipped by the box, or nothing. Clicks are
// reported.
class PictureBox final : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString &name, QWidget *parent);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    // The file the picture came from, so a test can tell which one is shown.
    void setPictureName(const QString &file) { m_pictureName = file; }
    QString pictureName() const { return m_pictureName; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    QString m_pictureName;
};
