#include "oesophagus/model/oeso_fixture.h"
#include "support/seams/real_chance.h"

#include <QTest>

using namespace OesoFixture;
using Mod_Oeso::Mode;

namespace {

// What the student sees of a frog before the first series.
enum class FirstSight { FrogBias, SeedTop };

// Examinations started one after another.
constexpr int Starts = 4000;

QString readings(const Mod_Oeso::OesoResult &r)
{
    return QStringLiteral("%1 %2 %3 %4 [%5]")
        .arg(r.DrugName)
        .arg(r.Reading1)
        .arg(r.Reading2)
        .arg(r.Reading3)
        .arg(r.Identified);
}

QStringList allReadings(const Mod_Oeso::OesoPractical &practical)
{
    QStringList rows;
    for (const Mod_Oeso::OesoResult &r : practical.Oeso_Results)
        rows << readings(r);
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(FirstSight)

class TestOesoExperiment : public QObject
{
    Q_OBJECT

private slots:
    void initialisationShowsTheBaseline_data();
    void initialisationShowsTheBaseline();
    void guidanceFollowsTheWorkCycle();
    void stopAfterArrivalKeepsTheInstillText();
    void resetWhileRunningKeepsTheClockRunning();
    void newFrogKeepsTheTableAndDrawsANewBias();
    void secondDropWhileTravellingIsIgnored();
    void firstSeedGoesToTheRingerRecord();
    void seriesKeepThreeReadings();
    void threeCandidatesGiveThreePairs();
    void nextPairStartsClean();
    void redrawEndsWhenChanceRepeats();
    void firstUnknownIsNotReadFromTheFrog_data();
    void firstUnknownIsNotReadFromTheFrog();
    void noCandidateCannotRun();
};

void TestOesoExperiment::initialisationShowsTheBaseline_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("drugPanel");
    QTest::newRow("tutorial") << Mode::Tutorial
                              << "Effect of Drugs on the Ciliary Motility of Frog Oesophagus  - Tutorial Mode " << true;
    QTest::newRow("examination") << Mode::Examination
                                 << "Effect of Drugs on the Ciliary Motility of Frog Oesophagus  - Examination Mode "
                                 << false;
}

void TestOesoExperiment::initialisationShowsTheBaseline()
{
    QFETCH(Mode, mode);
    QFETCH(QString, caption);
    QFETCH(bool, drugPanel);
    Bench bench(mode);
    const Mod_Oeso::OesoView &v = bench.experiment.view();
    QCOMPARE(v.caption, caption);
    QCOMPARE(v.frogno, QStringLiteral("Frog no. : 1"));
    QCOMPARE(v.lastdrugname_lbl, QStringLiteral("None"));
    QCOMPARE(v.Lab_DrugGiven, QStringLiteral("Ringer"));
    QCOMPARE(v.Lab_Texttube, QStringLiteral("Ringer"));
    QCOMPARE(v.drughistory, QStringList{QStringLiteral("Ringer")});
    QCOMPARE(v.lbl_stephelp, QStringLiteral("Pick a seed"));
    QCOMPARE(v.Cmd_StartClock, QStringLiteral("&Start Clock"));
    QCOMPARE(v.Frame_Drug, drugPanel);
    QCOMPARE(v.Frame_Drug_Select, !drugPanel);
    QCOMPARE(v.Cmd_New, drugPanel);
    QCOMPARE(v.Cmd_Table, drugPanel);
    QVERIFY(v.Image_filler);
    QCOMPARE(bench.practical.Oeso_Started, quint8(1));
}

void TestOesoExperiment::guidanceFollowsTheWorkCycle()
{
    Bench bench(Mode::Tutorial);
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    QStringList seen{e.view().lbl_stephelp};
    e.pickSeed();
    seen << e.view().lbl_stephelp;
    e.dropOnOesophagus();
    seen << e.view().lbl_stephelp;
    e.startStopClock();
    seen << e.view().lbl_stephelp;
    e.startStopClock();
    seen << e.view().lbl_stephelp;
    e.resetClock();
    seen << e.view().lbl_stephelp;
    while (e.travelling())
        e.seedTick();
    seen << e.view().lbl_stephelp;
    e.dropElsewhere();
    seen << e.view().lbl_stephelp;
    QCOMPARE(seen,
             QStringList({"Pick a seed", "Drag && Place it on the oesophagus", "Start the clock at the starting point",
                          "Stop the clock at the end point", "Note the time", "wait", "Choose a drug && instill",
                          "Pick a seed"}));
    QVERIFY(e.view().Cmd_Instill);
    QVERIFY(!e.view().Shape_Seed);
}

void TestOesoExperiment::stopAfterArrivalKeepsTheInstillText()
{
    Bench bench(Mode::Tutorial);
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    e.dropOnOesophagus();
    e.startStopClock();
    bench.runSeed();
    e.startStopClock();
    QCOMPARE(e.view().lbl_stephelp, QStringLiteral("Choose a drug && instill"));
    QCOMPARE(e.view().Cmd_StartClock, QStringLiteral("&Start Clock"));
    QVERIFY(!e.view().Timer_Clock);
}

void TestOesoExperiment::resetWhileRunningKeepsTheClockRunning()
{
    Bench bench(Mode::Tutorial);
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    e.startStopClock();
    for (int i = 0; i < 75; ++i)
        e.clockTick();
    QCOMPARE(e.stopwatch().minutesText() + e.stopwatch().secondsText(), QStringLiteral("0115"));
    e.resetClock();
    QVERIFY(e.view().Timer_Clock);
    e.clockTick();
    QCOMPARE(e.stopwatch().hoursText() + e.stopwatch().minutesText() + e.stopwatch().secondsText(),
             QStringLiteral("000001"));
}

void TestOesoExperiment::newFrogKeepsTheTableAndDrawsANewBias()
{
    Bench bench(Mode::Tutorial);
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    bench.instill(Atropine);
    bench.random.setValues({0.9f});
    QVERIFY(!e.needsDrugs());
    // No rows passed: the table read for the first frog stays.
    QVERIFY(e.initialise());
    QCOMPARE(e.FrogNo(), 2);
    QCOMPARE(e.FrogBias(), 4);
    QCOMPARE(e.Speed(), 16);
    QCOMPARE(e.drugs().size(), 6);
    QCOMPARE(e.view().frogno, QStringLiteral("Frog no. : 2"));
    QCOMPARE(e.view().drughistory, QStringList{QStringLiteral("Ringer")});
    QCOMPARE(e.view().lastdrugname_lbl, QStringLiteral("None"));
    QCOMPARE(bench.random.seeds().size(), 2); // one reseed per initialisation
}

void TestOesoExperiment::secondDropWhileTravellingIsIgnored()
{
    Bench bench(Mode::Examination);
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    e.Ringer();
    e.dropOnOesophagus();
    for (int i = 0; i < 50; ++i)
        e.seedTick();
    for (int i = 0; i < 10; ++i)
        e.monitorTick();
    const int top = e.seed().Top;
    e.pickSeed();
    e.dropOnOesophagus();
    QCOMPARE(e.seed().Top, top);
    QCOMPARE(e.MonitorSeconds(), 10);
    QCOMPARE(e.view().lbl_stephelp, QStringLiteral("Start the clock at the starting point"));
    while (e.travelling())
        e.seedTick();
    // The series buttons come back as they were before the first drop:
    // Ringer chosen, Unknown Drug still open.
    QVERIFY(!e.view().Cmd_Ringer);
    QVERIFY(e.view().Cmd_Exam_Unknow);
    QVERIFY(e.view().Cmd_DrgIdentified);
    QCOMPARE(bench.practical.Oeso_Results.at(0).Reading1, 10);
}

void TestOesoExperiment::firstSeedGoesToTheRingerRecord()
{
    // Dropped before a series is chosen: the baseline interval and the
    // Tutorial step, and the first record of the pair.
    Bench bench(Mode::Examination);
    QCOMPARE(bench.runSeed(), 177);
    QCOMPARE(allReadings(bench.practical), QStringList({"Ringer 38 0 0 []", "Physostigmine 0 0 0 []", " 0 0 0 []"}));
}

void TestOesoExperiment::seriesKeepThreeReadings()
{
    Bench bench(Mode::Examination);
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    e.Ringer();
    QCOMPARE(e.Speed(), 14);
    QCOMPARE(e.interval(), 215);
    for (int seed = 0; seed < 4; ++seed)
        bench.runSeed();
    e.UnknownDrug();
    QVERIFY(!e.view().Cmd_Ringer);
    QVERIFY(!e.view().Cmd_Exam_Unknow);
    QCOMPARE(e.interval(), 175); // Physostigmine's range
    bench.runSeed();
    QCOMPARE(allReadings(bench.practical), QStringList({"Ringer 38 38 38 []", "Physostigmine 30 0 0 []", " 0 0 0 []"}));
}

void TestOesoExperiment::threeCandidatesGiveThreePairs()
{
    // 0.5 at every draw: the first unknown is row 2, then the redraws find
    // rows 1 and 3 as chance gives them.
    Bench bench(Mode::Examination, firstDrugs(3), {0.5f});
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    QCOMPARE(e.candidateNames(), QStringList({"Acetylcholine", "Carbachol", "Physostigmine"}));
    QCOMPARE(e.exam().CurUnknown, 2);
    bench.random.setValues({0.5f, 0.1f});
    QVERIFY(!e.Identified(QStringLiteral("Carbachol")));
    QCOMPARE(e.exam().CurUnknown, 1);
    bench.random.setValues({0.9f});
    QVERIFY(!e.Identified(QString()));
    QCOMPARE(e.exam().CurUnknown, 3);
    const int seedsBefore = bench.random.seeds().size();
    QVERIFY(e.Identified(QStringLiteral("Atropine")));
    QCOMPARE(bench.random.seeds().size(), seedsBefore); // the end draws nothing
    QCOMPARE(allReadings(bench.practical),
             QStringList({"Ringer 0 0 0 []", "Carbachol 0 0 0 [Carbachol]", "Ringer 0 0 0 []", "Acetylcholine 0 0 0 []",
                          "Ringer 0 0 0 []", "Physostigmine 0 0 0 [Atropine]", " 0 0 0 []"}));
}

void TestOesoExperiment::nextPairStartsClean()
{
    Bench bench(Mode::Examination);
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    e.Ringer();
    bench.runSeed();
    e.UnknownDrug(); // chosen, but no seed timed
    QCOMPARE(e.interval(), 175);
    bench.random.setValues({0.1f});
    QVERIFY(!e.Identified(QStringLiteral("Physostigmine")));
    QVERIFY(e.view().Cmd_Ringer);
    QVERIFY(e.view().Cmd_Exam_Unknow);
    // A seed before any series: the frog's baseline, into the new Ringer record.
    QCOMPARE(e.interval(), 215);
    QCOMPARE(e.Speed(), 14);
    bench.runSeed();
    QCOMPARE(allReadings(bench.practical),
             QStringList({"Ringer 38 0 0 []", "Physostigmine 0 0 0 [Physostigmine]", "Ringer 38 0 0 []",
                          "Acetylcholine 0 0 0 []", " 0 0 0 []"}));
}

void TestOesoExperiment::redrawEndsWhenChanceRepeats()
{
    // Every draw gives row 1, already used: the choice must still end, on
    // the first row not given yet.
    Bench bench(Mode::Examination, shippedDrugs(), {0.0f});
    Mod_Oeso::OesoExperiment &e = bench.experiment;
    QCOMPARE(e.exam().CurUnknown, 1);
    QVERIFY(!e.Identified(QString()));
    QCOMPARE(e.exam().CurUnknown, 2);
    QVERIFY(!e.Identified(QString()));
    QCOMPARE(e.exam().CurUnknown, 3);
    QCOMPARE(e.exam().UnknownsGiven, 3);
}

void TestOesoExperiment::firstUnknownIsNotReadFromTheFrog_data()
{
    QTest::addColumn<FirstSight>("sight");
    // The bias shows in the speed of every seed before a series is chosen.
    QTest::newRow("the frog's bias") << FirstSight::FrogBias;
    QTest::newRow("the first seed's start") << FirstSight::SeedTop;
}

void TestOesoExperiment::firstUnknownIsNotReadFromTheFrog()
{
    QFETCH(FirstSight, sight);
    // The program's own chance, and a clock that stays in one millisecond
    // through every reseed of every start.
    FakeClock clock;
    RealChance chance;
    const QVector<OesoDrug> drugs = shippedDrugs();
    SightTally tally(int(drugs.size()) - 1); // Ringer is never an unknown
    for (int start = 0; start < Starts; ++start) {
        Mod_Oeso::OesoPractical practical;
        practical.Oeso_Mode = Mode::Examination;
        Mod_Oeso::OesoExperiment e(practical);
        QVERIFY(e.initialise(drugs));
        tally.add(sight == FirstSight::FrogBias ? e.FrogBias() : e.seed().Top, e.exam().CurUnknown);
    }
    QCOMPARE(tally.giveaway(), QString());
}

void TestOesoExperiment::noCandidateCannotRun()
{
    Bench bench(Mode::Examination, firstDrugs(0));
    QVERIFY(!bench.initialised);
    // Refused, the practical has not started: its next start reads the file.
    QVERIFY(bench.experiment.needsDrugs());
    Bench tutorial(Mode::Tutorial, firstDrugs(0));
    QVERIFY(tutorial.initialised);
}

QTEST_GUILESS_MAIN(TestOesoExperiment)
#include "tst_oeso_experiment.moc"
