#include "core/asset_paths.h"
#include "support/seams/run_folder.h"
#include "widgets/image_control.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

// The SVG drawn straight onto a transparent image of the control's size.
QImage drawnDirectly(const QString &file, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(AssetPaths::picture(file));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    return image;
}

QImage shown(ImageControl &control)
{
    QImage image(control.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    control.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

class TestImageControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSeams::useRunFolder(); }
    void showsThePictureAtEachSizeItIsGiven();
};

void TestImageControl::showsThePictureAtEachSizeItIsGiven()
{
    const QString file = QStringLiteral("heart_systole.svg");
    ImageControl control(QStringLiteral("Img_hrtsys"), file, nullptr);
    QVERIFY(control.pictureLoaded());
    control.resize(64, 72);
    QCOMPARE(shown(control), drawnDirectly(file, QSize(64, 72)));
    // Painted again at the same size, then at another: each time what the
    // SVG gives at that size, never the earlier drawing stretched.
    QCOMPARE(shown(control), drawnDirectly(file, QSize(64, 72)));
    control.resize(128, 50);
    QCOMPARE(shown(control), drawnDirectly(file, QSize(128, 50)));
}

QTEST_MAIN(TestImageControl)
#include "tst_image_control.moc"
