#include "core/asset_paths.h"
#include "support/seams/run_folder.h"
#include "widgets/picture_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPictureFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSeams::useRunFolder(); }
    void eachPictureIsThereAtTwiceItsSize_data();
    void eachPictureIsThereAtTwiceItsSize();
    void aMissingDoubleSizeFallsBackToTheShownSize();
};

void TestPictureFiles::eachPictureIsThereAtTwiceItsSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("oesophagus seed icon") << "Icon1.ico" << QSize(32, 32);
    QTest::newRow("left close-up") << "Leye1.bmp" << QSize(197, 193);
    QTest::newRow("right close-up blinking") << "Reye2.bmp" << QSize(201, 193);
    QTest::newRow("left side view") << "LRab1.bmp" << QSize(145, 201);
    QTest::newRow("right side view blinking") << "Rrab2.bmp" << QSize(137, 201);
    QTest::newRow("dropper") << "filler.ico" << QSize(32, 32);
    QTest::newRow("torch over the right side") << "torche1.ico" << QSize(32, 32);
    QTest::newRow("cotton wool") << "cotton.ico" << QSize(32, 32);
}

void TestPictureFiles::eachPictureIsThereAtTwiceItsSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, shown);

    const QPixmap plain = PictureFiles::load(file, 1.0);
    QCOMPARE(plain.size(), shown);
    QCOMPARE(plain.devicePixelRatio(), 1.0);

    // On a 2x screen: twice the pixels, the same size on the screen.
    const QPixmap sharp = PictureFiles::load(file, 2.0);
    QCOMPARE(sharp.size(), shown * 2);
    QCOMPARE(sharp.deviceIndependentSize().toSize(), shown);
}

void TestPictureFiles::aMissingDoubleSizeFallsBackToTheShownSize()
{
    const QString runFolder = AssetPaths::folder();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile::copy(runFolder + QStringLiteral("/Leye1.bmp"), folder.filePath(QStringLiteral("Leye1.bmp"))));
    AssetPaths::setFolder(folder.path());
    const QPixmap picture = PictureFiles::load(QStringLiteral("Leye1.bmp"), 2.0);
    QCOMPARE(picture.size(), QSize(197, 193));
    QCOMPARE(picture.devicePixelRatio(), 1.0);
    QVERIFY(PictureFiles::load(QStringLiteral("nowhere.bmp"), 2.0).isNull());
    AssetPaths::setFolder(runFolder);
}

QTEST_MAIN(TestPictureFiles)
#include "tst_picture_files.moc"
