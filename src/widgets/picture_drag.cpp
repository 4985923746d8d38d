#include "widgets/picture_drag.h"

#include "core/asset_paths.h"
#include "widgets/picture_files.h"

#include <QDrag>
#include <QDropEvent>
#include <QHash>
#include <QMimeData>
#include <QWidget>

namespace PictureDrag {

namespace {

PictureDrag::Starter &starter()
{
    static Starter own;
    return own;
}

} // namespace

QString mimeType()
{
    return QStringLiteral("application/x-vivosim-carried-picture");
}

QString carried(const QMimeData *data)
{
    if (!data || !data->hasFormat(mimeType()))
        return QString();
    return QString::fromUtf8(data->data(mimeType()));
}

QPixmap icon(const QString &fileName, const std::function<QPixmap()> &fallback)
{
    static QHash<QString, QPixmap> loaded;
    const QString path = AssetPaths::file(fileName);
    auto found = loaded.constFind(path);
    if (found == loaded.constEnd()) {
        const QPixmap picture = PictureFiles::load(fileName);
        found = loaded.insert(path, picture.isNull() ? fallback() : picture);
    }
    return found.value();
}

void start(QWidget *source, const QString &what, const QPixmap &icon)
{
    if (starter()) {
        starter()(source, what, icon);
        return;
    }
    auto *data = new QMimeData;
    data->setData(mimeType(), what.toUtf8());
    auto *drag = new QDrag(source);
    drag->setMimeData(data);
    drag->setPixmap(icon);
    const QSize size = icon.deviceIndependentSize().toSize();
    drag->setHotSpot(QPoint(size.width() / 2, size.height() / 2));
    drag->exec(Qt::MoveAction);
}

void setStarter(Starter replacement)
{
    starter() = std::move(replacement);
}

} // namespace PictureDrag

PictureDropTarget::PictureDropTarget(QWidget *surface, const QString &what)
    : QObject(surface)
    , m_what(what)
{
    surface->setAcceptDrops(true);
    surface->installEventFilter(this);
}

bool PictureDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (PictureDrag::carried(drag->mimeData()) == m_what)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (PictureDrag::carried(drop->mimeData()) != m_what) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        emit dropped(drop->position().toPoint());
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}
