#include "rabbit/model/rabbit_fixture.h"

#include <QTest>

using namespace Rab_eye;
using namespace RabbitFixture;

class TestRabbitExperiment : public QObject
{
    Q_OBJECT

private slots:
    void busyEyeMessages_data();
    void busyEyeMessages();
    void instillStepHelp();
    void changeZeroLeavesTheEyeButItsReflexesActAtOnce();
    void blinkLastsLongerBeforeTheFirstNew();
    void cottonWoolOnANoBlinkDrug();
    void torchOverAnUntreatedEye();
    void torchDuringAnInstillationKeepsTheStep();
    void endingTheCarryOverTheEyeRestoresThePupil();
    void carriedPictureOverEachSide();
    void newWaitsForBothInstillationsAndStopsNothingHalfDone();
    void newGivesAFreshRabbitThatNoOldDrugReaches();
    void rabbitNumberDoesNotWrap();
    void refusedDrugFiles_data();
    void refusedDrugFiles();
};

void TestRabbitExperiment::busyEyeMessages_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<Eye>("eye");
    QTest::addColumn<bool>("otherBusy");
    QTest::addColumn<QString>("message");
    QTest::newRow("tutorial, other eye free")
        << Mode::Tutorial << Eye::Left << false << "Already a drug is acting. Choose the other eye";
    QTest::newRow("tutorial, both busy") << Mode::Tutorial << Eye::Right << true
                                         << "Already drugs are acting on both eyes. Choose a New rabbit";
    QTest::newRow("examination 1, left") << Mode::Examination << Eye::Left << false
                                         << "Already a drug is acting. So choose a New rabbit";
    QTest::newRow("examination 1, right")
        << Mode::Examination << Eye::Right << false << "Already a drug is acting. Choose a New rabbit";
    QTest::newRow("examination 1, both busy, left")
        << Mode::Examination << Eye::Left << true << "Already a drug is acting. So choose a New rabbit";
}

void TestRabbitExperiment::busyEyeMessages()
{
    QFETCH(Mode, mode);
    QFETCH(Eye, eye);
    QFETCH(bool, otherBusy);
    QFETCH(QString, message);
    Bench bench(mode);
    const Eye other = eye == Eye::Left ? Eye::Right : Eye::Left;
    QCOMPARE(bench.instil(eye), QString());
    if (otherBusy)
        QCOMPARE(bench.instil(other), QString());
    const EyeState before = bench.experiment.eye(eye);
    QCOMPARE(bench.instil(eye, 1), message);
    QCOMPARE(bench.experiment.eye(eye).DrugIdx, before.DrugIdx);
    QCOMPARE(bench.experiment.eye(eye).instillMs, before.instillMs);
    QVERIFY(!bench.experiment.view().eyeChoiceOpen);
}

void TestRabbitExperiment::instillStepHelp()
{
    Bench bench(Mode::Tutorial);
    RabbitExperiment &x = bench.experiment;
    x.Cmd_Instill();
    QCOMPARE(x.view().Lbl_step, QStringLiteral("Choose an eye to instill"));
    QVERIFY(x.view().eyeChoiceOpen);
    QCOMPARE(x.chooseEye(Eye::Right), QString());
    QCOMPARE(x.view().Lbl_step, QStringLiteral("Measure pupil & Test reflexes"));
    QCOMPARE(x.eye(Eye::Right).drugActing, QStringLiteral("Atropine"));
    x.Cmd_Instill();
    QCOMPARE(x.view().Lbl_step, QStringLiteral("Choose left eye to instill"));
    x.pointerOnInstill();
    QCOMPARE(x.view().Lbl_step, QStringLiteral("Choose a drug to instill"));
    x.Cmd_Can();
    bench.instil(Eye::Left, 5);
    QCOMPARE(x.eye(Eye::Left).drugActing, QStringLiteral("Pilocarpine"));
    x.pointerOnInstill();
    QCOMPARE(x.view().Lbl_step, QStringLiteral("Choose a New rabbit"));
}

void TestRabbitExperiment::changeZeroLeavesTheEyeButItsReflexesActAtOnce()
{
    Bench bench(Mode::Tutorial);
    const EyeState before = bench.experiment.eye(Eye::Left);
    bench.instil(Eye::Left, 7); // Lignocaine: change 0, tension "N", no corneal reflex
    bench.experiment.pickUp(Tool::Cotton);
    bench.experiment.eyeEntered(Eye::Left);
    QCOMPARE(bench.experiment.eye(Eye::Left).picture, EyePicture::Open);
    bench.instillFully(Eye::Left);
    QCOMPARE(bench.experiment.eye(Eye::Left).pupil, before.pupil);
    QCOMPARE(bench.experiment.eye(Eye::Left).tension, before.tension);
}

void TestRabbitExperiment::blinkLastsLongerBeforeTheFirstNew()
{
    Bench bench(Mode::Tutorial);
    RabbitExperiment &x = bench.experiment;
    x.pickUp(Tool::Cotton);
    x.eyeEntered(Eye::Right);
    QCOMPARE(x.eye(Eye::Right).picture, EyePicture::Blink);
    QVERIFY(!x.pupilVisible(Eye::Right));
    QVERIFY(x.eye(Eye::Right).reopenDue);
    QCOMPARE(x.eyeTimerMs(), 400);
    x.eyeTimerTick(Eye::Right);
    QVERIFY(x.pupilVisible(Eye::Right));
    x.carryEnded();
    QVERIFY(x.New());
    QCOMPARE(x.eyeTimerMs(), 100);
    QCOMPARE(x.eye(Eye::Left).picture, EyePicture::Blank);
    x.eyeTimerTick(Eye::Left);
    x.eyeTimerTick(Eye::Right);
    x.pickUp(Tool::Cotton);
    x.eyeEntered(Eye::Left);
    QCOMPARE(x.eye(Eye::Left).picture, EyePicture::Blink);
    QCOMPARE(x.eyeTimerMs(), 100);
}

void TestRabbitExperiment::cottonWoolOnANoBlinkDrug()
{
    Bench bench(Mode::Tutorial);
    bench.instil(Eye::Right, 7);
    bench.instillFully(Eye::Right);
    const EyeState before = bench.experiment.eye(Eye::Right);
    bench.experiment.pickUp(Tool::Cotton);
    bench.experiment.eyeEntered(Eye::Right);
    bench.experiment.eyeLeft(Eye::Right);
    QCOMPARE(bench.experiment.eye(Eye::Right).picture, EyePicture::Open);
    QVERIFY(!bench.experiment.eye(Eye::Right).reopenDue);
    QCOMPARE(bench.experiment.shownPupil(Eye::Right), before.pupil);
}

void TestRabbitExperiment::torchOverAnUntreatedEye()
{
    Bench bench(Mode::Tutorial);
    RabbitExperiment &x = bench.experiment;
    x.pickUp(Tool::Torch);
    x.eyeEntered(Eye::Left);
    QCOMPARE(x.shownPupil(Eye::Left), (PupilBox{424, 578, 1834, 1234}));
    QCOMPARE(x.LightSeen(), QChar('Y'));
    x.eyeLeft(Eye::Left);
    QCOMPARE(x.shownPupil(Eye::Left), (PupilBox{499, 653, 1804, 1204}));
}

void TestRabbitExperiment::torchDuringAnInstillationKeepsTheStep()
{
    Bench bench(Mode::Tutorial);
    RabbitExperiment &x = bench.experiment;
    bench.instil(Eye::Left, 2); // Phenylephrine "B", h = 32
    x.pickUp(Tool::Torch);
    x.eyeEntered(Eye::Left);
    x.instillTick(Eye::Left);
    x.instillTick(Eye::Left);
    const PupilBox half = x.eye(Eye::Left).pupil;
    QCOMPARE(half.width, 653.0 + 5 * 32 / 2);
    QCOMPARE(x.shownPupil(Eye::Left).width, half.width - 75);
    x.eyeLeft(Eye::Left);
    QCOMPARE(x.shownPupil(Eye::Left), half);
}

void TestRabbitExperiment::endingTheCarryOverTheEyeRestoresThePupil()
{
    Bench bench(Mode::Tutorial);
    RabbitExperiment &x = bench.experiment;
    x.pickUp(Tool::Torch);
    x.eyeEntered(Eye::Right);
    QVERIFY(x.shownPupil(Eye::Right) != x.eye(Eye::Right).pupil);
    x.carryEnded();
    QCOMPARE(x.shownPupil(Eye::Right), x.eye(Eye::Right).pupil);
    QCOMPARE(x.tool(), Tool::Torch);
}

void TestRabbitExperiment::carriedPictureOverEachSide()
{
    Bench bench(Mode::Tutorial);
    RabbitExperiment &x = bench.experiment;
    x.pickUp(Tool::Torch);
    QCOMPARE(x.carriedPicture(), QStringLiteral("torche.ico"));
    x.eyeEntered(Eye::Left);
    QCOMPARE(x.carriedPicture(), QStringLiteral("torche.ico"));
    x.eyeLeft(Eye::Left);
    x.rightViewEntered();
    QCOMPARE(x.carriedPicture(), QStringLiteral("torche1.ico"));
    x.rightViewLeft();
    QCOMPARE(x.carriedPicture(), QStringLiteral("torche.ico"));
    x.pickUp(Tool::Cotton);
    x.eyeEntered(Eye::Right);
    QCOMPARE(x.carriedPicture(), QStringLiteral("cotton1.ico"));
}

void TestRabbitExperiment::newWaitsForBothInstillationsAndStopsNothingHalfDone()
{
    Bench bench(Mode::Tutorial);
    RabbitExperiment &x = bench.experiment;
    bench.instil(Eye::Left, 0);
    bench.instil(Eye::Right, 1);
    bench.instillFully(Eye::Left);
    QVERIFY(!x.view().newEnabled);
    QVERIFY(!x.New());
    QCOMPARE(x.RabbitNo(), 1);
    bench.instillFully(Eye::Right);
    QVERIFY(x.view().newEnabled);
    QVERIFY(x.New());
    QCOMPARE(x.view().Lab_Rab_No, QStringLiteral("Rabbit 2"));
}

void TestRabbitExperiment::newGivesAFreshRabbitThatNoOldDrugReaches()
{
    // Next in Examination 1 gives a new rabbit while an instillation runs.
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    bench.instil(Eye::Left);
    x.instillTick(Eye::Left);
    x.Next(QString());
    const EyeState &left = x.eye(Eye::Left);
    QCOMPARE(left.instillMs, 0);
    QVERIFY(!left.dropper);
    QCOMPARE(left.Busy, quint8(0));
    QCOMPARE(left.DrugIdx, qint16(0));
    QCOMPARE(left.drugActing, QStringLiteral("None"));
    x.instillTick(Eye::Left);
    QCOMPARE(left.pupil, left.base);
    QVERIFY(x.view().newEnabled);
}

void TestRabbitExperiment::rabbitNumberDoesNotWrap()
{
    Bench bench(Mode::Tutorial);
    for (int i = 0; i < 255; ++i)
        QVERIFY(bench.experiment.New());
    QCOMPARE(bench.experiment.view().Lab_Rab_No, QStringLiteral("Rabbit 256"));
}

void TestRabbitExperiment::refusedDrugFiles_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QVector<RabDrug>>("rows");
    QTest::addColumn<QString>("says");
    QTest::newRow("one row") << Mode::Tutorial << QVector<RabDrug>{drug("Saline", 'Y', 'Y', 'N', 0, 0)}
                             << "There are 1 rows";
    QTest::newRow("saline not last") << Mode::Examination
                                     << QVector<RabDrug>{drug("Saline", 'Y', 'Y', 'N', 0, 0),
                                                         drug("Atropine", 'N', 'Y', 'I', 40, 55)}
                                     << "The last row is \"Atropine\"";
    QTest::newRow("no miotic or mydriatic for examination 2")
        << Mode::Examination
        << QVector<RabDrug>{drug("Lignocaine", 'Y', 'N', 'N', 0, 0), drug("Saline", 'Y', 'Y', 'N', 0, 0)}
        << "Examination 2";
}

void TestRabbitExperiment::refusedDrugFiles()
{
    QFETCH(Mode, mode);
    QFETCH(QVector<RabDrug>, rows);
    QFETCH(QString, says);
    Bench bench(mode, rows);
    QVERIFY2(bench.refusal.contains(says), qPrintable(bench.refusal));
    QCOMPARE(bench.practical.Rab_Started, quint8(0));
}

QTEST_APPLESS_MAIN(TestRabbitExperiment)
#include "tst_rabbit_experiment.moc"
