#pragma once

#include <QHash>
#include <QPixmap>
#include <QStringList>

// The rabbit window's pictures and icons, loaded by their file names from
// the run folder once, when the window loads. A file that is missing or
// unreadable gives an empty picture, so its view stays blank.
class RabbitPictures
{
public:
    static const QStringList &fileNames();

    void load();
    QPixmap picture(const QString &fileName) const { return m_pictures.value(fileName); }
    // The files that could not be loaded, in the order of fileNames().
    const QStringList &missing() const { return m_missing; }
    // One message naming every missing file; empty when none is missing.
    QString missingMessage() const;

private:
    QHash<QString, QPixmap> m_pictures;
    QStringList m_missing;
};
