// vivosim_render_picture <picture.svg> <output.bmp|.ico|.png> <width> <height>
//
// Renders one of our SVG pictures at the given pixel size into the file
// format the practicals load by name: a bitmap on white (bitmaps keep no
// transparency) or an icon with its transparency. Exits with 1, leaving no
// file behind, when the picture cannot be read or written.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "vivosim_render_picture: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5)
        return fail(QStringLiteral("usage: vivosim_render_picture <picture.svg> <output> <width> <height>"));
    const QString source = arguments.at(1);
    const QString output = arguments.at(2);
    bool widthOk = false, heightOk = false;
    const int width = arguments.at(3).toInt(&widthOk);
    const int height = arguments.at(4).toInt(&heightOk);
    if (!widthOk || !heightOk || width <= 0 || height <= 0)
        return fail(QStringLiteral("the size must be two positive whole numbers of pixels"));

    QSvgRenderer picture(source);
    if (!picture.isValid())
        return fail(QStringLiteral("%1 is not a picture it can read").arg(source));

    const QString format = QFileInfo(output).suffix().toLower();
    const bool opaque = format == QLatin1String("bmp");
    QImage image(width, height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter, QRectF(0, 0, width, height));
    painter.end();

    QImageWriter writer(output, format.toLatin1());
    if (!writer.write(image)) {
        QFile::remove(output);
        return fail(QStringLiteral("%1 could not be written: %2").arg(output, writer.errorString()));
    }
    return 0;
}
