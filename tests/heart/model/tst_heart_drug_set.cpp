#include "heart/model/heart_drug_set.h"
#include "heart/model/heart_fixture.h"
#include "heart/model/heart_state.h"
#include "support/seams/real_chance.h"

#include <QTest>

using namespace HeartFixture;
using Heart::EnableChange;
using Heart::HeartControl;

namespace {

// Examinations started one after another.
constexpr int Starts = 4000;

QStringList namesOf(const QVector<HeartDrug> &drugs)
{
    QStringList names;
    for (const HeartDrug &d : drugs)
        names.append(d.Name);
    return names;
}

bool sameDrug(const HeartDrug &a, const HeartDrug &b)
{
    return a.Name == b.Name && a.key == b.key && a.tone == b.tone && a.hr_START == b.hr_START && a.hr_END == b.hr_END
        && a.L_StART == b.L_StART && a.L_End == b.L_End && a.hr_indicator == b.hr_indicator;
}

// Two more drugs, so the file has the ten rows the table can take.
QVector<HeartDrug> tenDrugs()
{
    return shippedDrugs()
        + QVector<HeartDrug>{drug("Digoxin", "Dig", 5, u'N', 5, 10, 90, 40, u'D'),
                             drug("Dopamine", "Dop", 5, u'N', 5, 10, 80, 44, u'I')};
}

} // namespace

class TestHeartDrugSet : public QObject
{
    Q_OBJECT

private slots:
    void tableAndListsPerMode_data();
    void tableAndListsPerMode();
    void atMostTenDrugsAreTaken();
    void exam1UnknownIsDrawnAmongDrugsNotGiven();
    void exam2UnknownCopiesAnyDrug_data();
    void exam2UnknownCopiesAnyDrug();
    void exam2WithTenDrugsHasRoomForItsUnknown();
    void exam3UnknownCopiesDrug1Or2_data();
    void exam3UnknownCopiesDrug1Or2();
    void unknownIsNotReadFromTheBasalRate_data();
    void unknownIsNotReadFromTheBasalRate();
    void choosingADrug_data();
    void choosingADrug();
    void injectionNamesTheDrug_data();
    void injectionNamesTheDrug();
};

void TestHeartDrugSet::tableAndListsPerMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("listCount");
    QTest::addColumn<int>("drugCount");
    QTest::addColumn<QStringList>("identification");
    QTest::addColumn<QString>("dose");
    QTest::addColumn<float>("firstDose");

    const QStringList names = namesOf(shippedDrugs());
    QTest::newRow("tutorial") << int(Heart::Mode::Tutorial) << names << 8 << 8 << QStringList() << "5" << 5.0f;
    QTest::newRow("examination 1: doses in ml") << int(Heart::Mode::Exam1) << names << 8 << 8 << names << "0.1" << 0.1f;
    QTest::newRow("examination 2: the unknown last")
        << int(Heart::Mode::Exam2) << names + QStringList{"Unknown drug"} << 9 << 8 << names << "5" << 5.0f;
    // Examination 3 reads two drugs and leaves the drug count as it was (8).
    QTest::newRow("examination 3") << int(Heart::Mode::Exam3)
                                   << QStringList({"Epinephrine", "Acetylcholine", "Unknown drug"}) << 3 << 8
                                   << QStringList() << "2" << 2.0f;
}

void TestHeartDrugSet::tableAndListsPerMode()
{
    QFETCH(int, mode);
    QFETCH(QStringList, list);
    QFETCH(int, listCount);
    QFETCH(int, drugCount);
    QFETCH(QStringList, identification);
    QFETCH(QString, dose);
    QFETCH(float, firstDose);

    // Examination 3 follows the earlier stages, which read the eight drugs.
    Heart::HeartPractical start = practicalIn(Heart::Mode(mode));
    start.Heart_DrugCount = 8;
    const Bench bench(start, Heart::Mode(mode) == Heart::Mode::Exam3 ? exam3Drugs() : shippedDrugs(), {0.0f});
    const Heart::HeartExperiment &experiment = bench.experiment;
    const auto &loaded = bench.loaded;
    const Heart::HeartDrugTable &drugs = experiment.state().drugs;

    QVERIFY(loaded.newStage);
    QCOMPARE(bench.practical.Heart_Started, 1);
    QCOMPARE(drugs.Combo_Drug, list);
    QCOMPARE(drugs.HeartListCount, listCount);
    QCOMPARE(bench.practical.Heart_DrugCount, drugCount);
    QCOMPARE(drugs.Lst_Drugs, identification);
    QCOMPARE(experiment.readouts().Txt_Dose, dose);
    QCOMPARE(drugs.entry(1).Dose, firstDose);
    QCOMPARE(drugs.entry(0).L_StART, 50);
    QCOMPARE(drugs.entry(0).L_End, 80);
    QCOMPARE(experiment.readouts().Lab_drugname, QStringLiteral("None"));
    QCOMPARE(experiment.readouts().lbl_lastdrug, QStringLiteral("None"));
    QCOMPARE(experiment.state().PrevKey, QStringLiteral("None"));
}

void TestHeartDrugSet::atMostTenDrugsAreTaken()
{
    const Bench bench(Heart::Mode::Tutorial, tenDrugs() + shippedDrugs());
    QCOMPARE(bench.run().drugs.Combo_Drug, namesOf(tenDrugs()));
    QCOMPARE(bench.practical.Heart_DrugCount, 10);
}

void TestHeartDrugSet::exam1UnknownIsDrawnAmongDrugsNotGiven()
{
    // Drug 3 was given already: two draws find it, the third finds drug 8.
    Heart::HeartPractical start = practicalIn(Heart::Mode::Exam1);
    start.Heart_UnknownUsed[3] = 1;
    const Bench bench(start, shippedDrugs(), {0.3f, 0.3f, 0.9f});
    const Heart::HeartExperiment &experiment = bench.experiment;
    const auto &loaded = bench.loaded;
    const Heart::HeartPractical &practical = bench.practical;

    // One reseed for the load, one before each draw again.
    QCOMPARE(bench.random.seeds().size(), 3);
    QCOMPARE(experiment.state().selectedPosition, 7);
    QCOMPARE(practical.Heart_UnknownUsed[8], 1);
    QCOMPARE(practical.Heart_UnknownNo, 1);
    QCOMPARE(practical.Heart_Exam1Results[1].Given, QStringLiteral("Calcium chloride"));
    QCOMPARE(practical.Heart_Exam1Results[1].Tone, QStringLiteral("I"));
    QCOMPARE(practical.Heart_Exam1Results[1].Rate, 0);
    QCOMPARE(experiment.readouts().lbl_unkdrug, QStringLiteral("Unknown Drug No. 1"));
    QCOMPARE(experiment.readouts().Txt_Dose, QStringLiteral("0.1"));
    QCOMPARE(experiment.readouts().Lab_DDose, QStringLiteral("ml"));
    QVERIFY(loaded.drugSet.hideDrugChoice);
    const Heart::EnableChanges exam1
        = {{HeartControl::Cmd_return, true}, {HeartControl::CmdTable, false}, {HeartControl::Cmd_New, false}};
    QCOMPARE(loaded.enables.mid(0, 3), exam1);
}

void TestHeartDrugSet::exam2UnknownCopiesAnyDrug_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("source");

    QTest::newRow("first drug") << 0.0f << 1;
    QTest::newRow("middle drug") << 0.5f << 5;
    QTest::newRow("last drug") << 0.999f << 8;
}

void TestHeartDrugSet::exam2UnknownCopiesAnyDrug()
{
    QFETCH(float, draw);
    QFETCH(int, source);

    const Bench bench(Heart::Mode::Exam2, shippedDrugs(), {draw});
    const auto &loaded = bench.loaded;
    const Heart::HeartDrugTable &drugs = bench.run().drugs;

    QVERIFY(sameDrug(drugs.entry(9), drugs.entry(source)));
    QCOMPARE(drugs.entry(9).Dose, 0.1f);
    QCOMPARE(bench.practical.Heart_Exam2Drug, drugs.entry(source).Name);
    // The hidden drug's name is only in the list as itself.
    QCOMPARE(drugs.Combo_Drug.count(drugs.entry(source).Name), 1);
    QCOMPARE(drugs.Combo_Drug.last(), QStringLiteral("Unknown drug"));
    const Heart::EnableChanges exam2 = {{HeartControl::CmdTable, false}, {HeartControl::Cmd_New, false}};
    QCOMPARE(loaded.enables.mid(0, 2), exam2);
    QCOMPARE(loaded.caption, QStringLiteral("Effects of Drugs on the Frog's Heart  -   Examination Mode "));
    QVERIFY(loaded.LabTitle.startsWith(QLatin1String("EXAMINATION 2 :")));
}

void TestHeartDrugSet::exam2WithTenDrugsHasRoomForItsUnknown()
{
    const Bench bench(Heart::Mode::Exam2, tenDrugs(), {0.999f});
    const Heart::HeartDrugTable &drugs = bench.run().drugs;

    QCOMPARE(drugs.HeartListCount, 11);
    QVERIFY(sameDrug(drugs.entry(11), drugs.entry(10)));
    QCOMPARE(bench.practical.Heart_Exam2Drug, QStringLiteral("Dopamine"));
}

void TestHeartDrugSet::exam3UnknownCopiesDrug1Or2_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("hidden");

    QTest::newRow("lowest draw") << 0.0f << "Epinephrine";
    QTest::newRow("just under a half") << 0.49f << "Epinephrine";
    QTest::newRow("a half") << 0.5f << "Acetylcholine";
    QTest::newRow("highest draw") << 0.999f << "Acetylcholine";
}

void TestHeartDrugSet::exam3UnknownCopiesDrug1Or2()
{
    QFETCH(float, draw);
    QFETCH(QString, hidden);

    const Bench bench(Heart::Mode::Exam3, exam3Drugs(), {draw});

    QCOMPARE(bench.practical.Heart_Exam3Drug, hidden);
    QCOMPARE(bench.run().drugs.entry(3).Name, hidden);
    QCOMPARE(bench.run().drugs.entry(3).Dose, 0.1f);
    QVERIFY(bench.loaded.enables.contains(EnableChange{HeartControl::Cmd_New, true}));
    QCOMPARE(bench.practical.Heart_HeartNo, 1);
    QCOMPARE(bench.practical.Heart_Exam3Rates.size(), 2);
}

void TestHeartDrugSet::unknownIsNotReadFromTheBasalRate_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("examination 1, its first unknown") << int(Heart::Mode::Exam1);
    QTest::newRow("examination 2") << int(Heart::Mode::Exam2);
    QTest::newRow("examination 3") << int(Heart::Mode::Exam3);
}

void TestHeartDrugSet::unknownIsNotReadFromTheBasalRate()
{
    QFETCH(int, mode);
    // The program's own chance, and a clock that stays in one millisecond
    // through every reseed of every start.
    FakeClock clock;
    RealChance chance;
    const Heart::Mode stage = Heart::Mode(mode);
    const QVector<HeartDrug> drugs = stage == Heart::Mode::Exam3 ? exam3Drugs() : shippedDrugs();
    const QStringList names = namesOf(drugs);
    SightTally tally(int(drugs.size()));
    for (int start = 0; start < Starts; ++start) {
        // Examination 3 follows the earlier stages, which read the eight drugs.
        Heart::HeartPractical practical = practicalIn(stage);
        practical.Heart_DrugCount = 8;
        Heart::HeartExperiment heart(practical);
        heart.load(drugs);
        const QString unknown = stage == Heart::Mode::Exam1 ? practical.Heart_Exam1Results[1].Given
            : stage == Heart::Mode::Exam2                   ? practical.Heart_Exam2Drug
                                                            : practical.Heart_Exam3Drug;
        // The basal rate is the first reading the student takes.
        tally.add(heart.state().BasalRate, int(names.indexOf(unknown)) + 1);
    }
    QCOMPARE(tally.giveaway(), QString());
}

void TestHeartDrugSet::choosingADrug_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("dose");
    QTest::addColumn<QString>("unit");

    QTest::newRow("tutorial keeps its unit") << int(Heart::Mode::Tutorial) << int(Prop) << "50"
                                             << "\u00B5g";
    QTest::newRow("examination 2, last known drug") << int(Heart::Mode::Exam2) << int(CaCl) << "2000"
                                                    << "\u00B5g";
    QTest::newRow("examination 2, the unknown") << int(Heart::Mode::Exam2) << 8 << "0.1"
                                                << "ml";
    QTest::newRow("examination 3, acetylcholine") << int(Heart::Mode::Exam3) << 1 << "2"
                                                  << "\u00B5g";
    QTest::newRow("examination 3, the unknown") << int(Heart::Mode::Exam3) << 2 << "0.1"
                                                << "ml";
}

void TestHeartDrugSet::choosingADrug()
{
    QFETCH(int, mode);
    QFETCH(int, position);
    QFETCH(QString, dose);
    QFETCH(QString, unit);

    Bench bench(static_cast<Heart::Mode>(mode),
                Heart::Mode(mode) == Heart::Mode::Exam3 ? exam3Drugs() : shippedDrugs());
    bench.experiment.selectDrug(position);
    QCOMPARE(bench.shown().Txt_Dose, dose);
    QCOMPARE(bench.shown().Lab_DDose, unit);
}

void TestHeartDrugSet::injectionNamesTheDrug_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("markLabel");
    QTest::addColumn<QString>("PrevName");

    QTest::newRow("tutorial") << int(Heart::Mode::Tutorial) << int(KCl) << "Potassium chloride"
                              << "\u00B5g"
                              << "KCl"
                              << "Potassium chloride";
    // A draw of 0.5 makes drug 5 Examination 1's unknown.
    QTest::newRow("examination 1") << int(Heart::Mode::Exam1) << 4 << "Unknown Drug 1"
                                   << "ml"
                                   << "Unk"
                                   << "Unknown Drug No. 1";
    QTest::newRow("examination 2, known") << int(Heart::Mode::Exam2) << int(Epi) << "Epinephrine"
                                          << "\u00B5g"
                                          << "Epi"
                                          << "Epinephrine";
    QTest::newRow("examination 2, the unknown") << int(Heart::Mode::Exam2) << 8 << "Unknown Drug "
                                                << "ml"
                                                << "Unk"
                                                << "Unknown Drug ";
    QTest::newRow("examination 3, known") << int(Heart::Mode::Exam3) << 1 << "Acetylcholine"
                                          << "\u00B5g"
                                          << "ACh"
                                          << "Acetylcholine";
    QTest::newRow("examination 3, the unknown") << int(Heart::Mode::Exam3) << 2 << "Unknown Drug "
                                                << "ml"
                                                << "Unk"
                                                << "Unknown Drug ";
}

void TestHeartDrugSet::injectionNamesTheDrug()
{
    QFETCH(int, mode);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, unit);
    QFETCH(QString, markLabel);
    QFETCH(QString, PrevName);

    Bench bench(static_cast<Heart::Mode>(mode),
                Heart::Mode(mode) == Heart::Mode::Exam3 ? exam3Drugs() : shippedDrugs());
    bench.settle();
    const Heart::HeartDrawing drawing = bench.inject(position);

    QCOMPARE(bench.shown().Lab_drugname, name);
    QCOMPARE(bench.shown().Lab_DDose, unit);
    const auto *mark = std::get_if<Paper::Mark>(&drawing.paper.first());
    QVERIFY(mark);
    QCOMPARE(mark->texts.last().text, markLabel);
    QCOMPARE(bench.run().PrevName, PrevName);
}

QTEST_GUILESS_MAIN(TestHeartDrugSet)
#include "tst_heart_drug_set.moc"
