#include "heart/model/heart_fixture.h"
#include "heart/model/heart_state.h"
#include "support/seams/paper_text.h"

#include <QTest>

using namespace HeartFixture;
using Heart::EnableChange;
using Heart::HeartControl;

Q_DECLARE_METATYPE(HeartDrug)

namespace {

const QString InjectionArrowCaCl = QStringLiteral("-10,115 b10 ^; -8,117 b10 |; -11,138 r8 CaCl");

QStringList calciumArrest()
{
    return {"pen 74-45", "used 4", "pen 55-45", "pen 45-42", "pen 42-37"};
}
QStringList potassiumArrest()
{
    return {"pen 65-84", "used 4", "pen 75-86", "pen 80-85", "pen 82-85"};
}
QStringList calciumRecovery()
{
    return {"used 3", "pen 36-54", "pen 40-60", "pen 38-56", "pen 45-70"};
}
QStringList potassiumRecovery()
{
    return {"used 3", "pen 84-85", "pen 81-87", "pen 75-84", "pen 65-82"};
}

// The mark of an injection while a drug whose rate was lastRate acts.
QString interactionMark(const QString &lastRate, const QString &label)
{
    return QStringLiteral("mark ink: -25,100 b10 ^; -23,102 b10 |; -38,123 r8 %1HR; -10,115 b10 ^; "
                          "-8,117 b10 |; -11,138 r8 %2")
        .arg(lastRate, label);
}

// The drug at `first` acts for ten ticks, then `second` is injected.
Heart::HeartDrawing injectWhileActing(Bench &bench, int first, int second)
{
    bench.inject(first);
    bench.ticks(10);
    return bench.inject(second);
}

} // namespace

class TestHeartResponse : public QObject
{
    Q_OBJECT

private slots:
    void rateCodes_data();
    void rateCodes();
    void interactions_data();
    void interactions();
    void interactionDrawings_data();
    void interactionDrawings();
    void arrestsAtRest_data();
    void arrestsAtRest();
    void secondCalciumAfterPotassiumArrests();
    void potassiumEndedByCalciumIsOverAfterWashOut();
    void marksPrintInArial();
    void washOutEndsTheAction_data();
    void washOutEndsTheAction();
    void afterWashOutEveryDrugActsOnItsOwn();
    void basalRateAfterWashOut_data();
    void basalRateAfterWashOut();
    void labelsFollowTheDrugs();
    void controlsLockedWhileDrugActs_data();
    void controlsLockedWhileDrugActs();
};

void TestHeartResponse::rateCodes_data()
{
    QTest::addColumn<HeartDrug>("drug");
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("rateLevel");
    QTest::addColumn<int>("toneLevel");
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<QString>("peakBox");

    const QVector<HeartDrug> drugs = shippedDrugs();
    // The basal box shows 75 throughout.
    QTest::newRow("increase: 500 / 95 rounds down") << drugs.at(Epi) << 0.5f << 95 << 8 << 14 << 5 << "";
    QTest::newRow("increase at its smallest change: 500 / 90 rounds up")
        << drugs.at(Epi) << 0.0f << 90 << 8 << 14 << 6 << "";
    QTest::newRow("increase to 200: the half goes down to even")
        << drug("Fast", "Fast", 1, u'N', 125, 125, 50, 80, u'I') << 0.5f << 200 << 8 << 14 << 2 << "";
    QTest::newRow("atropine with an increase code beats every 400 ms")
        << drug("Atropine", "Atr", 10, u'N', 0, 3, 80, 49, u'I') << 0.5f << 77 << 8 << 14 << 400 << "";
    QTest::newRow("decrease") << drugs.at(ACh) << 0.5f << 47 << 18 << 18 << 735 << "";
    QTest::newRow("decrease at its largest change") << drugs.at(ACh) << 0.999f << 40 << 18 << 18 << 700 << "";
    QTest::newRow("arrest shows its rate at once") << drugs.at(KCl) << 0.5f << 1 << 14 << 18 << 500 << "1";
    QTest::newRow("no change keeps the basal rate") << drugs.at(Atr) << 0.5f << 75 << 14 << 14 << 500 << "";
}

void TestHeartResponse::rateCodes()
{
    QFETCH(HeartDrug, drug);
    QFETCH(float, draw);
    QFETCH(int, rate);
    QFETCH(int, rateLevel);
    QFETCH(int, toneLevel);
    QFETCH(int, intervalMs);
    QFETCH(QString, peakBox);

    Bench bench(Heart::Mode::Tutorial, {drug});
    bench.settle();
    QCOMPARE(bench.shown().Txt_BHR, QStringLiteral("75"));
    const Heart::HeartDrawing drawing = bench.inject(0, draw);

    QCOMPARE(bench.run().DrugRate, rate);
    QCOMPARE(bench.run().LastRate, rate);
    QCOMPARE(drawing.indicators, (Heart::IndicatorLevels{rateLevel, toneLevel}));
    QCOMPARE(bench.run().lever.interval(), intervalMs);
    QCOMPARE(bench.shown().TxtHR_Drug, peakBox);
    QCOMPARE(bench.run().TraceTop, drug.L_StART);
    QCOMPARE(bench.run().TraceBottom, drug.L_End);
}

void TestHeartResponse::interactions_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("rateLevel");
    QTest::addColumn<int>("toneLevel");
    QTest::addColumn<int>("antagonised");
    QTest::addColumn<int>("kclbcacl");
    QTest::addColumn<int>("intervalMs");

    // Alone, with every draw 0.5: epinephrine 95, propranolol 66 (lever every
    // 830 ms), acetylcholine 47; the basal rate is 75.
    QTest::newRow("acetylcholine after atropine")
        << int(Atr) << int(ACh) << 50 << 80 << 75 << 14 << 14 << 1 << 0 << 500;
    QTest::newRow("atropine after acetylcholine")
        << int(ACh) << int(Atr) << 50 << 80 << 75 << 14 << 14 << 1 << 0 << 500;
    QTest::newRow("epinephrine after propranolol")
        << int(Prop) << int(Epi) << 50 << 80 << 75 << 14 << 14 << 1 << 0 << 500;
    QTest::newRow("norepinephrine after propranolol keeps its rate")
        << int(Prop) << int(NEpi) << 50 << 80 << 66 << 0 << 14 << 1 << 0 << 830;
    QTest::newRow("isoprenaline after propranolol")
        << int(Prop) << int(Iso) << 50 << 80 << 75 << 14 << 14 << 1 << 0 << 500;
    QTest::newRow("calcium after potassium") << int(KCl) << int(CaCl) << 50 << 80 << 75 << 14 << 14 << 1 << 1 << 500;
    QTest::newRow("potassium after calcium") << int(CaCl) << int(KCl) << 50 << 80 << 75 << 14 << 14 << 1 << 0 << 500;
    QTest::newRow("epinephrine after atropine acts on its own")
        << int(Atr) << int(Epi) << 90 << 40 << 95 << 8 << 14 << 0 << 0 << 5;
    QTest::newRow("propranolol after epinephrine acts on its own")
        << int(Epi) << int(Prop) << 80 << 60 << 66 << 18 << 14 << 0 << 0 << 830;
    QTest::newRow("the same drug twice") << int(Epi) << int(Epi) << 90 << 40 << 95 << 8 << 14 << 0 << 0 << 5;
    QTest::newRow("calcium after epinephrine arrests")
        << int(Epi) << int(CaCl) << 35 << 36 << 1 << 14 << 8 << 0 << 0 << 500;
    QTest::newRow("potassium after epinephrine arrests")
        << int(Epi) << int(KCl) << 84 << 85 << 1 << 14 << 18 << 0 << 0 << 500;
}

void TestHeartResponse::interactions()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, rate);
    QFETCH(int, rateLevel);
    QFETCH(int, toneLevel);
    QFETCH(int, antagonised);
    QFETCH(int, kclbcacl);
    QFETCH(int, intervalMs);

    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    const Heart::HeartDrawing drawing = injectWhileActing(bench, first, second);
    const Heart::HeartRunState &run = bench.run();

    QCOMPARE(run.interact, 1);
    QCOMPARE(run.TraceTop, top);
    QCOMPARE(run.TraceBottom, bottom);
    QCOMPARE(run.DrugRate, rate);
    QCOMPARE(drawing.indicators, (Heart::IndicatorLevels{rateLevel, toneLevel}));
    QCOMPARE(run.Antagonised, antagonised);
    QCOMPARE(run.kclbcacl, kclbcacl);
    QCOMPARE(run.lever.interval(), intervalMs);
    // An interaction never reaches an arrest's narrow jitter.
    QCOMPARE(run.JitterRange, 4);

    // The next ticks draw the stroke now in force.
    bench.random.setValues({0.0f});
    QCOMPARE(PaperText::lines(bench.ticks(1).paper),
             QStringList({"advance 1", QStringLiteral("stroke %1-%2").arg(top + 1).arg(bottom + 1)}));
}

void TestHeartResponse::interactionDrawings_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QStringList>("paper");
    QTest::addColumn<QStringList>("lever");
    QTest::addColumn<bool>("leverOn");
    QTest::addColumn<int>("lastneedle");

    // A lever beat at rest leaves the line at 4263 before the first drug.
    QTest::newRow("calcium after potassium: potassium recovers")
        << int(KCl) << int(CaCl) << (QStringList{interactionMark("1", "CaCl")} + potassiumRecovery()) << QStringList()
        << true << 4263;
    QTest::newRow("potassium after calcium: calcium recovers, the lever comes back")
        << int(CaCl) << int(KCl) << (QStringList{interactionMark("1", "KCl")} + calciumRecovery())
        << QStringList({"lever 3550", "lever 4263"}) << true << 4263;
    QTest::newRow("calcium while epinephrine acts")
        << int(Epi) << int(CaCl) << (QStringList{interactionMark("95", "CaCl")} + calciumArrest())
        << QStringList({"lever 4263", "lever 3550", "heart diastole"}) << false << 4263;
    QTest::newRow("potassium while epinephrine acts")
        << int(Epi) << int(KCl) << (QStringList{interactionMark("95", "KCl")} + potassiumArrest())
        << QStringList({"lever 4263", "lever 4300"}) << false << 4300;
    QTest::newRow("potassium twice") << int(KCl) << int(KCl) << QStringList{interactionMark("1", "KCl")}
                                     << QStringList() << false << 4263;
    QTest::newRow("calcium twice") << int(CaCl) << int(CaCl) << QStringList{interactionMark("1", "CaCl")}
                                   << QStringList() << false << 4263;
    QTest::newRow("acetylcholine after atropine draws only its mark")
        << int(Atr) << int(ACh) << QStringList{interactionMark("75", "ACh")} << QStringList() << true << 4263;
}

void TestHeartResponse::interactionDrawings()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QStringList, paper);
    QFETCH(QStringList, lever);
    QFETCH(bool, leverOn);
    QFETCH(int, lastneedle);

    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.beatLever();
    const Heart::HeartDrawing drawing = injectWhileActing(bench, first, second);

    QCOMPARE(PaperText::lines(drawing.paper), paper);
    QCOMPARE(leverTexts(drawing.lever), lever);
    QCOMPARE(bench.run().lever.timerOn(), leverOn);
    QCOMPARE(bench.run().lever.lastneedle(), lastneedle);
}

void TestHeartResponse::arrestsAtRest_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("paper");
    QTest::addColumn<QStringList>("lever");

    const QString basalArrow = QStringLiteral("mark highlight: -11,15 b10 |; -12,24 b9 v; -25,5 r8 75BHR; ");
    QTest::newRow("calcium: Img_hrtdia shown, the lever held at 3550")
        << int(CaCl) << (QStringList{basalArrow + InjectionArrowCaCl} + calciumArrest())
        << QStringList({"heart diastole", "lever 4263", "lever 3550"});
    QTest::newRow("potassium: Img_hrtsys shown, the lever stays")
        << int(KCl)
        << (QStringList{basalArrow + QStringLiteral("-10,115 b10 ^; -8,117 b10 |; -11,138 r8 KCl")} + potassiumArrest())
        << QStringList({"heart systole"});
}

void TestHeartResponse::arrestsAtRest()
{
    QFETCH(int, position);
    QFETCH(QStringList, paper);
    QFETCH(QStringList, lever);

    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.beatLever();
    const Heart::HeartDrawing drawing = bench.inject(position);

    QCOMPARE(PaperText::lines(drawing.paper), paper);
    QCOMPARE(leverTexts(drawing.lever), lever);
    QVERIFY(!bench.run().lever.timerOn());
    QCOMPARE(bench.run().lever.lastneedle(), 4263);
    QCOMPARE(bench.run().JitterRange, 2);
}

void TestHeartResponse::secondCalciumAfterPotassiumArrests()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.beatLever();
    injectWhileActing(bench, KCl, CaCl);
    QCOMPARE(bench.run().kclbcacl, 1);
    bench.ticks(10);
    bench.beatLever();

    const Heart::HeartDrawing drawing = bench.inject(CaCl);
    QCOMPARE(PaperText::lines(drawing.paper), QStringList{interactionMark("75", "CaCl")} + calciumArrest());
    QCOMPARE(leverTexts(drawing.lever), QStringList({"heart diastole", "lever 4263", "lever 3550"}));
    QCOMPARE(bench.run().kclbcacl, 0);
    QCOMPARE(bench.run().TraceTop, 35);
    QCOMPARE(bench.run().TraceBottom, 36);
    QCOMPARE(bench.run().DrugRate, 1);
    QVERIFY(!bench.run().lever.timerOn());
}

void TestHeartResponse::potassiumEndedByCalciumIsOverAfterWashOut()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.beatLever();
    injectWhileActing(bench, KCl, CaCl);
    bench.ticks(76);
    bench.beatLever();

    // A later calcium arrest holds the lever at 3550 like any other...
    QCOMPARE(leverTexts(bench.inject(CaCl).lever), QStringList({"heart diastole", "lever 4263", "lever 3550"}));
    bench.ticks(10);
    // ...and a second calcium leaves it there: no potassium arrest is ending.
    QCOMPARE(leverTexts(bench.inject(CaCl).lever), QStringList());
    bench.ticks(76);
    QCOMPARE(bench.run().lever.lastneedle(), 0);
}

void TestHeartResponse::marksPrintInArial()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    const Heart::HeartDrawing drawing = bench.inject(Epi);
    const auto *mark = std::get_if<Paper::Mark>(&drawing.paper.first());
    QVERIFY(mark);
    for (const Paper::MarkText &text : mark->texts)
        QCOMPARE(text.font.family, QStringLiteral("arial"));
}

void TestHeartResponse::washOutEndsTheAction_data()
{
    QTest::addColumn<QVector<int>>("injections");
    QTest::addColumn<QStringList>("paper");
    QTest::addColumn<QStringList>("lever");
    QTest::addColumn<int>("lastneedle");

    const QString advance = QStringLiteral("advance 1");
    const QString restStroke = QStringLiteral("stroke 53-83");
    auto endMark = [](const QString &rate) {
        return QStringLiteral("mark ink: -45,100 b10 ^; -43,102 b10 |; -50,123 r8 %1HR").arg(rate);
    };
    QTest::newRow("epinephrine") << QVector<int>{Epi} << QStringList({advance, endMark("95"), restStroke})
                                 << QStringList() << 4263;
    QTest::newRow("calcium recovers and its lever line goes")
        << QVector<int>{CaCl} << (QStringList{advance, endMark("1")} + calciumRecovery() + QStringList{restStroke})
        << QStringList({"lever 3550"}) << 0;
    QTest::newRow("potassium recovers") << QVector<int>{KCl}
                                        << (QStringList{advance, endMark("1")} + potassiumRecovery()
                                            + QStringList{restStroke})
                                        << QStringList() << 4263;
    QTest::newRow("calcium that ended a potassium arrest draws no recovery")
        << QVector<int>{KCl, CaCl} << QStringList({advance, endMark("75"), restStroke}) << QStringList() << 4263;
}

void TestHeartResponse::washOutEndsTheAction()
{
    QFETCH(QVector<int>, injections);
    QFETCH(QStringList, paper);
    QFETCH(QStringList, lever);
    QFETCH(int, lastneedle);

    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.beatLever();
    for (int position : injections) {
        bench.inject(position);
        bench.ticks(10);
    }
    bench.ticks(65);
    QCOMPARE(bench.run().restnormalflag, 0);

    const Heart::HeartDrawing drawing = bench.ticks(1);
    QCOMPARE(PaperText::lines(drawing.paper), paper);
    QCOMPARE(leverTexts(drawing.lever), lever);
    QCOMPARE(bench.run().lever.lastneedle(), lastneedle);
    QCOMPARE(drawing.indicators, (Heart::IndicatorLevels{14, 14}));
    QCOMPARE(bench.run().restnormalflag, 1);
    QCOMPARE(bench.run().kclbcacl, 0);
    QCOMPARE(bench.run().ActiveDrug, 0);
    QVERIFY(bench.run().lever.timerOn());
    QCOMPARE(bench.run().lever.interval(), 500);
}

void TestHeartResponse::afterWashOutEveryDrugActsOnItsOwn()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.inject(Atr);
    bench.ticks(76);
    QCOMPARE(bench.run().PrevKey, QStringLiteral("Atr"));

    const Heart::HeartDrawing drawing = bench.inject(ACh);
    QCOMPARE(bench.run().interact, 0);
    QCOMPARE(bench.run().Antagonised, 0);
    QCOMPARE(bench.run().TraceTop, 69);
    QCOMPARE(bench.run().TraceBottom, 59);
    QCOMPARE(bench.run().DrugRate, 47);
    QVERIFY(PaperText::lines(drawing.paper).first().startsWith(QLatin1String("mark highlight")));
}

void TestHeartResponse::basalRateAfterWashOut_data()
{
    QTest::addColumn<float>("basalDraw");
    QTest::addColumn<float>("up");
    QTest::addColumn<float>("down");
    QTest::addColumn<int>("BasalRate");
    QTest::addColumn<int>("shown");

    QTest::newRow("neither") << 0.5f << 0.5f << 0.5f << 75 << 75;
    QTest::newRow("one up") << 0.5f << 0.75f << 0.5f << 75 << 76;
    QTest::newRow("one down") << 0.5f << 0.5f << 0.2f << 75 << 74;
    QTest::newRow("up and down cancel") << 0.5f << 0.9f << 0.1f << 75 << 75;
    QTest::newRow("slowest heart, one down") << 0.0f << 0.0f << 0.0f << 60 << 59;
    QTest::newRow("fastest heart, one up") << 0.999f << 0.999f << 0.999f << 90 << 91;
}

void TestHeartResponse::basalRateAfterWashOut()
{
    QFETCH(float, basalDraw);
    QFETCH(float, up);
    QFETCH(float, down);
    QFETCH(int, BasalRate);
    QFETCH(int, shown);

    Bench bench(Heart::Mode::Tutorial, shippedDrugs(), {basalDraw, 0.5f});
    QCOMPARE(bench.run().BasalRate, BasalRate);

    // Every wash-out draws the basal box again around the same BasalRate: the
    // 76th tick after the load, then every 75th.
    for (int washOut = 0; washOut < 3; ++washOut) {
        bench.random.setValues({0.5f});
        for (int i = washOut == 0 ? 75 : 74; i > 0; --i)
            bench.experiment.beatTick();
        bench.random.setValues({up, down, 0.5f});
        bench.experiment.beatTick();
        QCOMPARE(bench.shown().Txt_BHR, QString::number(shown));
        QVERIFY(qAbs(shown - bench.run().BasalRate) <= 1);
    }
}

void TestHeartResponse::labelsFollowTheDrugs()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    QCOMPARE(bench.shown().lbl_warning, QStringLiteral("Choose a drug and inject"));

    bench.inject(Epi);
    QCOMPARE(bench.shown().Lab_drugname, QStringLiteral("Epinephrine"));
    QCOMPARE(bench.shown().Lab_DDose, QStringLiteral("\u00B5g"));
    QCOMPARE(bench.shown().lbl_lastdrug, QStringLiteral("None"));
    QCOMPARE(bench.shown().lbl_warning, QStringLiteral("BHR - Basal Heart Rate(Control)"));
    QCOMPARE(bench.shown().ProBar_Time, 100.0f);

    bench.ticks(10);
    bench.inject(Prop);
    QCOMPARE(bench.shown().Lab_drugname, QStringLiteral("Propranolol"));
    QCOMPARE(bench.shown().lbl_lastdrug, QStringLiteral("Epinephrine"));

    bench.ticks(76);
    QCOMPARE(bench.shown().Lab_drugname, QStringLiteral("None"));
    QCOMPARE(bench.shown().lbl_lastdrug, QStringLiteral("Propranolol"));
    QCOMPARE(bench.shown().lbl_warning, QStringLiteral("Choose a drug and inject"));
}

void TestHeartResponse::controlsLockedWhileDrugActs_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QVector<HeartControl>>("locked");

    QTest::newRow("tutorial") << int(Heart::Mode::Tutorial)
                              << QVector<HeartControl>{HeartControl::cmd_help, HeartControl::Cmd_New,
                                                       HeartControl::Cmd_Next, HeartControl::CmdTable,
                                                       HeartControl::Cmd_Print};
    QTest::newRow("examination 2") << int(Heart::Mode::Exam2) << QVector<HeartControl>{HeartControl::Cmd_Print};
    QTest::newRow("examination 3") << int(Heart::Mode::Exam3)
                                   << QVector<HeartControl>{HeartControl::Cmd_Print, HeartControl::Cmd_New};
}

void TestHeartResponse::controlsLockedWhileDrugActs()
{
    QFETCH(int, mode);
    QFETCH(QVector<HeartControl>, locked);

    Bench bench(static_cast<Heart::Mode>(mode),
                Heart::Mode(mode) == Heart::Mode::Exam3 ? exam3Drugs() : shippedDrugs());
    bench.settle();

    Heart::EnableChanges disabled;
    for (HeartControl control : locked)
        disabled.append({control, false});
    Heart::EnableChanges enabled;
    for (HeartControl control : locked)
        enabled.append({control, true});

    const Heart::EnableChanges afterInjection
        = disabled + Heart::EnableChanges{{HeartControl::Cmd_inject, true}, {HeartControl::Cmd_RmvDrug, true}};
    const Heart::EnableChanges afterWashOut = enabled
        + Heart::EnableChanges{
            {HeartControl::Cmd_inject, true}, {HeartControl::Combo_Drug, true}, {HeartControl::Cmd_RmvDrug, false}};
    QCOMPARE(bench.inject(0).enables, afterInjection);
    bench.ticks(75);
    QCOMPARE(bench.ticks(1).enables, afterWashOut);
}

QTEST_GUILESS_MAIN(TestHeartResponse)
#include "tst_heart_response.moc"
