#include "core/asset_paths.h"
#include "rabbit/ui/frm_rab_table.h"
#include "rabbit/ui/picture_box.h"
#include "rabbit/ui/pupil_shape.h"
#include "rabbit/ui/rabbit_window_fixture.h"
#include "rabbit/ui/scale_ruler.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/text_grid.h"
#include "widgets/tool_carrier.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace RabbitWindowFixture;
using Rab_eye::Eye;

Q_DECLARE_METATYPE(Rab_eye::Eye)

namespace {

QRectF pupilBox(Frm_Rabbit *w, Eye eye)
{
    return control<PupilShape>(w, eye == Eye::Left ? "Shape_LEye" : "Shape_REye")->box();
}

QString eyeName(Eye eye, const char *left, const char *right)
{
    return QString::fromLatin1(eye == Eye::Left ? left : right);
}

QWidget *eyeTarget(Frm_Rabbit *w, Eye eye)
{
    return control(w, eyeName(eye, "Image_LEye", "Image_REye"));
}

} // namespace

class TestFrmRabbit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { RabbitWindowFixture::setUp(); }
    void init()
    {
        m_boxes.clear();
        m_random.setValues({0.5f});
    }
    void cleanup()
    {
        TestWindows::unloadEverything();
        AssetPaths::setFolder(QString());
        TestSeams::useRunFolder();
    }

    void tutorialOpensOnRabbitOne();
    void instillationRunsOnItsTimer();
    void busyEyeIsRefusedWithAMessage();
    void torchOverEachEye_data();
    void torchOverEachEye();
    void cottonWoolBlinkAndTheEyeTimer();
    void rulersAreDraggedWithinTheirLimits();
    void rabbitPictureObeysNew();
    void modelTableTripKeepsTimersAndState();
    void questionsReturnAndOk();
    void missingPicturesAreNamedOnceAndLeaveBlankViews();

private:
    FakeClock m_clock;
    ScriptedRandom m_random;
    MessageBoxScript m_boxes;
};

void TestFrmRabbit::tutorialOpensOnRabbitOne()
{
    Frm_Rabbit *w = startTutorial();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral(" Effects of Drugs on the Rabbit Eye - Tutorial Mode "));
    QCOMPARE(text(w, "Lab_Rab_No"), QStringLiteral("Rabbit 1"));
    QCOMPARE(text(w, "Lbl_step"), QStringLiteral("Measure pupil & Test reflexes"));
    auto *list = control<QComboBox>(w, "Combo_Drug");
    QCOMPARE(list->count(), 9);
    QVERIFY(!list->isEditable());
    QCOMPARE(text(w, "Lab_DName"), QStringLiteral("Atropine"));
    QVERIFY(!shown(w, "Frame_Exam"));
    QVERIFY(!shown(w, "Cmd_Saline"));
    QVERIFY(enabled(w, "Cmd_Table"));
    QCOMPARE(pupilBox(w, Eye::Left), QRectF(1804, 1204, 653, 499));
    QCOMPARE(pupilBox(w, Eye::Right), QRectF(804, 1204, 533, 499));
    QCOMPARE(control(w, "Shape_LTension")->width(), 946 / 15);
    QCOMPARE(control(w, "Picture_Scale_R")->x(), 2580 / 15);
    QCOMPARE(m_boxes.count(), 0);
    // The window fits the 800 x 600 screen.
    QVERIFY(w->frameGeometry().bottom() < 600 || w->geometry().bottom() < 600);
}

void TestFrmRabbit::instillationRunsOnItsTimer()
{
    Frm_Rabbit *w = startTutorial();
    click(w, "Cmd_Instill");
    QVERIFY(shown(w, "Frame_Eye_Sel"));
    QVERIFY(!shown(w, "Frame_Drug"));
    click(w, "Cmd_LEye");
    QVERIFY(shown(w, "Frame_Drug"));
    QTimer *timer = w->instillTimer(Eye::Left);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 2600);
    QVERIFY(shown(w, "Image_LD"));
    QCOMPARE(text(w, "Lab_LDrug"), QStringLiteral("Atropine"));
    QVERIFY(!enabled(w, "Cmd_New"));

    tick(timer);
    QVERIFY(!shown(w, "Image_LD"));
    QCOMPARE(timer->interval(), 500);
    QCOMPARE(pupilBox(w, Eye::Left), QRectF(1804, 1204, 653, 499));
    tick(timer);
    QCOMPARE(timer->interval(), 550);
    QCOMPARE(pupilBox(w, Eye::Left), QRectF(1732, 1156, 773, 619));
    tick(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(pupilBox(w, Eye::Left), QRectF(1660, 1108, 893, 739));
    QCOMPARE(control(w, "Shape_LTension")->width(), qRound(1185 / 15.0));
    QVERIFY(enabled(w, "Cmd_New"));
}

void TestFrmRabbit::busyEyeIsRefusedWithAMessage()
{
    Frm_Rabbit *w = startTutorial();
    instil(w, Eye::Right);
    instil(w, Eye::Right);
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(m_boxes.last().text, QStringLiteral("Already a drug is acting. Choose the other eye"));
    QCOMPARE(m_boxes.last().title, QString());
    QCOMPARE(text(w, "Lab_rDrug"), QStringLiteral("Atropine"));
}

void TestFrmRabbit::torchOverEachEye_data()
{
    QTest::addColumn<Eye>("eye");
    QTest::addColumn<QString>("carried");
    QTest::newRow("left eye") << Eye::Left << "torche.ico";
    QTest::newRow("right eye") << Eye::Right << "torche1.ico";
}

void TestFrmRabbit::torchOverEachEye()
{
    QFETCH(Eye, eye);
    QFETCH(QString, carried);
    Frm_Rabbit *w = startTutorial();
    const QRectF open = pupilBox(w, eye);
    QTest::mouseClick(control(w, "Image_Torche"), Qt::LeftButton);
    ToolCarrier *carrier = w->carrier();
    QVERIFY(carrier->carrying());
    QWidget *target = eyeTarget(w, eye);
    movePointer(target, QPoint(5, 5));
    QCOMPARE(pupilBox(w, eye), open.adjusted(30, 30, -45, -45));
    QCOMPARE(carrier->pictureLabel()->pixmap().toImage(), w->pictures().picture(carried).toImage());
    QCOMPARE(w->experiment().LightSeen(), QChar('Y'));
    // Off the eye the pupil comes back.
    movePointer(control(w, "Frame_Tool"), QPoint(5, 5));
    QCOMPARE(pupilBox(w, eye), open);
    // Putting the torch down over the eye gives the pupil back as well, and
    // the click does nothing else.
    movePointer(target, QPoint(5, 5));
    clickAt(target, QPoint(5, 5));
    QVERIFY(!carrier->carrying());
    QCOMPARE(pupilBox(w, eye), open);
    QCOMPARE(text(w, "Lab_Rab_No"), QStringLiteral("Rabbit 1"));
}

void TestFrmRabbit::cottonWoolBlinkAndTheEyeTimer()
{
    Frm_Rabbit *w = startTutorial();
    QTest::mouseClick(control(w, "Image_Cotton"), Qt::LeftButton);
    movePointer(eyeTarget(w, Eye::Left), QPoint(3, 3));
    QCOMPARE(control<PictureBox>(w, "Pic_LEye")->pictureName(), QStringLiteral("leye2.bmp"));
    QCOMPARE(control<PictureBox>(w, "Pic_LRab")->pictureName(), QStringLiteral("LRab2.bmp"));
    QVERIFY(!shown(w, "Shape_LEye"));
    QTimer *reopen = w->eyeTimer(Eye::Left);
    QVERIFY(reopen->isActive());
    QCOMPARE(reopen->interval(), 400);
    tick(reopen);
    QCOMPARE(control<PictureBox>(w, "Pic_LEye")->pictureName(), QStringLiteral("Leye1.bmp"));
    QVERIFY(shown(w, "Shape_LEye"));
    clickAt(control(w, "Frame_Tool"), QPoint(2, 2));

    click(w, "Cmd_New");
    QCOMPARE(text(w, "Lab_Rab_No"), QStringLiteral("Rabbit 2"));
    QCOMPARE(control<PictureBox>(w, "Pic_Reye")->pictureName(), QString());
    QCOMPARE(w->eyeTimer(Eye::Right)->interval(), 100);
    QVERIFY(w->eyeTimer(Eye::Right)->isActive());
    tick(w->eyeTimer(Eye::Right));
    tick(reopen);
    QCOMPARE(control<PictureBox>(w, "Pic_Rrab")->pictureName(), QStringLiteral("RRab1.bmp"));
    QTest::mouseClick(control(w, "Image_Cotton"), Qt::LeftButton);
    movePointer(eyeTarget(w, Eye::Left), QPoint(3, 3));
    QCOMPARE(reopen->interval(), 100);
}

void TestFrmRabbit::rulersAreDraggedWithinTheirLimits()
{
    Frm_Rabbit *w = startTutorial();
    auto *right = control<ScaleRuler>(w, "Picture_Scale_R");
    auto *left = control<ScaleRuler>(w, "Picture_ScaleL");
    QCOMPARE(right->toolTip(), QStringLiteral("Drag to measure the pupil size. 1 division = 1 mm"));
    // The pointer at x 195 of the right close-up (2925 twips) leaves the ruler at 2700.
    movePointer(right, right->mapFromParent(QPoint(195, 50)), true);
    QCOMPARE(right->x(), 180);
    movePointer(right, right->mapFromParent(QPoint(60, 50)), true);
    QCOMPARE(right->x(), 60);
    movePointer(left, left->mapFromParent(QPoint(190, 50)), true);
    QCOMPARE(left->x(), 190);
    // Without the button pressed nothing moves.
    movePointer(left, left->mapFromParent(QPoint(20, 50)));
    QCOMPARE(left->x(), 190);
    instil(w, Eye::Left);
    tick(w->instillTimer(Eye::Left), 3);
    click(w, "Cmd_New");
    QCOMPARE(left->x(), 0);
    QCOMPARE(right->x(), 172);
}

void TestFrmRabbit::rabbitPictureObeysNew()
{
    Frm_Rabbit *w = startTutorial();
    instil(w, Eye::Left);
    QTest::mouseClick(control(w, "Pic_Rabbit"), Qt::LeftButton);
    QTest::mouseClick(control(w, "Lab_Rab_No"), Qt::LeftButton);
    QCOMPARE(text(w, "Lab_Rab_No"), QStringLiteral("Rabbit 1"));
    tick(w->instillTimer(Eye::Left), 3);
    QTest::mouseClick(control(w, "Lab_Rab_No"), Qt::LeftButton);
    QCOMPARE(text(w, "Lab_Rab_No"), QStringLiteral("Rabbit 2"));
    QCOMPARE(text(w, "Lab_LDrug"), QStringLiteral("None"));
    QTest::mouseClick(control(w, "Pic_Rabbit"), Qt::LeftButton);
    QCOMPARE(text(w, "Lab_Rab_No"), QStringLiteral("Rabbit 3"));
}

void TestFrmRabbit::modelTableTripKeepsTimersAndState()
{
    Frm_Rabbit *w = startTutorial();
    instil(w, Eye::Right);
    tick(w->instillTimer(Eye::Right));
    click(w, "Cmd_Table");
    QVERIFY(!w->isVisible());
    auto *table = WindowRegistry::find<Frm_Rab_Table>(WindowNames::RabbitTable);
    QVERIFY(table && table->isVisible());
    QVERIFY(shown(table, "Frametab"));
    QCOMPARE(practical().Rab_TableState, quint8(2));
    auto *grid = control<TextGrid>(table, "Grid_Rab");
    QCOMPARE(grid->rows(), 6);
    QCOMPARE(grid->text(1, 1), QStringLiteral(" Saline "));
    QVERIFY(w->instillTimer(Eye::Right)->isActive());
    // The model table is no supervisor's record.
    QVERIFY(!ResultsPdfCheck::saveOffered(table));

    click(table, "Cmd_End");
    QCOMPARE(rabbitWindow(), w);
    QVERIFY(w->isVisible());
    QCOMPARE(practical().Rab_TableState, quint8(0));
    QCOMPARE(w->instillTimer(Eye::Right)->interval(), 500);
    QVERIFY(w->instillTimer(Eye::Right)->isActive());
    tick(w->instillTimer(Eye::Right), 2);
    QCOMPARE(text(w, "Lab_rDrug"), QStringLiteral("Atropine"));
    QCOMPARE(pupilBox(w, Eye::Right).width(), 533.0 + 240);
}

void TestFrmRabbit::questionsReturnAndOk()
{
    Frm_Rabbit *w = startTutorial();
    click(w, "Cmd_Next");
    auto *table = WindowRegistry::find<Frm_Rab_Table>(WindowNames::RabbitTable);
    QVERIFY(table && shown(table, "Fra_Ques"));
    QVERIFY(text(table, "Lab_Q4").contains(QStringLiteral("probable diognosis?")));
    click(table, "Cmd_return");
    QVERIFY(w->isVisible());
    click(w, "Cmd_Next");
    table = WindowRegistry::find<Frm_Rab_Table>(WindowNames::RabbitTable);
    click(table, "Cmd_ok");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!WindowRegistry::find(WindowNames::Rabbit));
    QVERIFY(WindowRegistry::find(WindowNames::RabbitFront));
}

void TestFrmRabbit::missingPicturesAreNamedOnceAndLeaveBlankViews()
{
    QTemporaryDir folder;
    const QDir run(AssetPaths::folder());
    for (const QString &name : run.entryList(QDir::Files)) {
        // Both sizes of each picture are gone, the one for sharp screens too.
        if (!name.startsWith(QStringLiteral("Reye2")) && !name.startsWith(QStringLiteral("filler")))
            QVERIFY(QFile::copy(run.filePath(name), folder.filePath(name)));
    }
    AssetPaths::setFolder(folder.path());
    Frm_Rabbit *w = startTutorial();
    QVERIFY(w);
    QCOMPARE(m_boxes.count(), 1);
    QVERIFY(m_boxes.last().text.contains(QStringLiteral("Reye2.bmp, filler.ico")));
    instil(w, Eye::Right);
    QVERIFY(control<PictureBox>(w, "Image_Rd")->picture().isNull());
    QTest::mouseClick(control(w, "Image_Cotton"), Qt::LeftButton);
    movePointer(eyeTarget(w, Eye::Right), QPoint(3, 3));
    QVERIFY(control<PictureBox>(w, "Pic_Reye")->picture().isNull());
    tick(w->eyeTimer(Eye::Right));
    QVERIFY(!control<PictureBox>(w, "Pic_Reye")->picture().isNull());
    QCOMPARE(m_boxes.count(), 1);
}

QTEST_MAIN(TestFrmRabbit)
#include "tst_frm_rabbit.moc"
