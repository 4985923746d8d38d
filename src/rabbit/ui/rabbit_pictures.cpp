#include "rabbit/ui/rabbit_pictures.h"

#include "widgets/picture_files.h"

const QStringList &RabbitPictures::fileNames()
{
    static const QStringList names{
        QStringLiteral("Leye1.bmp"),   QStringLiteral("LRab1.bmp"),   QStringLiteral("Reye1.bmp"),
        QStringLiteral("RRab1.bmp"),   QStringLiteral("leye2.bmp"),   QStringLiteral("LRab2.bmp"),
        QStringLiteral("Reye2.bmp"),   QStringLiteral("Rrab2.bmp"),   QStringLiteral("filler.ico"),
        QStringLiteral("torche.ico"),  QStringLiteral("torche1.ico"), QStringLiteral("cotton.ico"),
        QStringLiteral("cotton1.ico"),
    };
    return names;
}

void RabbitPictures::load()
{
    m_pictures.clear();
    m_missing.clear();
    for (const QString &name : fileNames()) {
        const QPixmap picture = PictureFiles::load(name);
        if (picture.isNull())
            m_missing << name;
        m_pictures.insert(name, picture);
    }
}

QString RabbitPictures::missingMessage() const
{
    if (m_missing.isEmpty())
        return QString();
    return QStringLiteral("These picture files could not be loaded from the program's folder: %1. "
                          "The views that show them stay blank.")
        .arg(m_missing.join(QStringLiteral(", ")));
}
