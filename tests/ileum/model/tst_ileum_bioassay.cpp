#include "core/numbers.h"
#include "ileum/model/bioassay.h"
#include "ileum/model/ileum_state.h"
#include "support/seams/fake_clock.h"
#include "support/seams/paper_text.h"
#include "support/seams/scripted_random.h"

#include <QTest>

using namespace ileum;

namespace {

constexpr qint16 PaperHeight = 225;
constexpr int LoadedWidth = 497;

// Draws giving the worked examples' strip, z = 182 and k = 2.0, and then a
// matching volume of 0.32 ml.
constexpr float ZeroLevel182 = 0.5f;
constexpr float Sensitivity2 = 0.25f;
constexpr float MatchVolume032 = 0.4f;

// One practical's experiment window after its first load, driven the way the
// window drives it; the paper only keeps its width.
struct Practical
{
    explicit Practical(float matchVolumeDraw = MatchVolume032)
        : chance({ZeroLevel182, Sensitivity2, matchVolumeDraw})
    {
        load();
    }

    void load()
    {
        assay.startLoad(PaperHeight);
        assay.drawTissueParameters();
    }

    // The matching assay started and the standard accepted.
    void matchWithStandard(const QString &standard)
    {
        standardText = standard;
        assay.startMatchingAssay();
        QVERIFY(assay.acceptStandard(standardText).accepted);
    }

    // One injection, from the dose box's text; the trace is empty when the
    // injection stopped.
    QStringList inject(const QString &doseText)
    {
        lastStart = assay.startInjection(doseText, standardText, false);
        if (lastStart.check != InjectionCheck::Ready)
            return {};
        paperWidth += lastStart.advance;
        return PaperText::lines(assay.recordInjection(paperWidth));
    }

    QStringList injectStandard(StandardKind kind, const QString &doseText = QStringLiteral("0.1"))
    {
        assay.prepareStandard(kind, standardText);
        return inject(doseText);
    }

    FakeClock clock;
    ScriptedRandom chance;
    IleumPractical state;
    Bioassay assay{state};
    QString standardText;
    int paperWidth = LoadedWidth;
    InjectionStart lastStart;
};

QString fallTo(int peak)
{
    return QStringLiteral("line 486,185 486,%1").arg(peak);
}

QString labelText(const QString &label)
{
    return QStringLiteral("text 467,195 MS Sans Serif 8.25: ") + label;
}

} // namespace

class TestIleumBioassay : public QObject
{
    Q_OBJECT

private slots:
    void recorderSetUpOncePerPractical();
    void loadDrawsZeroLevelThenSensitivity();
    void knownDoses_data();
    void knownDoses();
    void humpOnlyForSmallKnownDoses_data();
    void humpOnlyForSmallKnownDoses();
    void injectionsStandFortyApart();
    void emptyDoseDrawsNothing_data();
    void emptyDoseDrawsNothing();
    void standardSkipsTheDoseCheck();
    void fullPaperStopsAndClearsTheStandard();
    void standardDose_data();
    void standardDose();
    void standardButtons_data();
    void standardButtons();
    void matchVolumeReproducesTheStandard_data();
    void matchVolumeReproducesTheStandard();
    void reloadKeepsTheMatchVolume();
    void handIn_data();
    void handIn();
};

void TestIleumBioassay::recorderSetUpOncePerPractical()
{
    FakeClock clock;
    ScriptedRandom chance;
    IleumPractical state;
    Bioassay assay(state);
    QCOMPARE(assay.startLoad(PaperHeight), RecorderStart::SetUp);
    QCOMPARE(state.Ileum_RecorderReady, quint8(1));
    QCOMPARE(assay.startLoad(PaperHeight), RecorderStart::Reset);
    // A window loaded again in the same practical resets its recorder too.
    QCOMPARE(Bioassay(state).startLoad(PaperHeight), RecorderStart::Reset);
    // The front page starts the next practical with a fresh state.
    IleumPractical next;
    QCOMPARE(Bioassay(next).startLoad(PaperHeight), RecorderStart::SetUp);
}

void TestIleumBioassay::loadDrawsZeroLevelThenSensitivity()
{
    Practical practical;
    QCOMPARE(practical.chance.seeds(), QVector<quint32>{36000000});
    QCOMPARE(practical.assay.Baseline(), qint16(185));
    QCOMPARE(practical.assay.ZeroLevel(), qint16(182));
    QCOMPARE(practical.assay.Sensitivity(), 2.0f);
    QCOMPARE(practical.assay.MatchMode(), false);
    QCOMPARE(practical.assay.MatchVolume(), 0.0f);
}

void TestIleumBioassay::knownDoses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<int>("peak");
    QTest::newRow("0.2 ug") << "0.2"
                            << "0.2" << 169;
    QTest::newRow("3.2 ug") << "3.2"
                            << "3.2" << 149;
    QTest::newRow("25.6 ug") << "25.6"
                             << "25.6" << 92;
    QTest::newRow("0.05 ug lowered onto the baseline") << "0.05"
                                                       << "0.05" << 185;
    QTest::newRow("typed 0.10") << "0.10"
                                << "0.1" << 173;
    QTest::newRow("+ three times from 0.1") << " .8"
                                            << "0.8" << 161;
}

void TestIleumBioassay::knownDoses()
{
    QFETCH(QString, typed);
    QFETCH(QString, boxAfter);
    QFETCH(int, peak);
    Practical practical;
    const QStringList trace = practical.inject(typed);
    QCOMPARE(practical.lastStart.doseText, boxAfter);
    QCOMPARE(trace.size(), 5);
    QCOMPARE(trace.at(2), fallTo(peak));
    QCOMPARE(trace.last(), labelText(boxAfter));
}

void TestIleumBioassay::humpOnlyForSmallKnownDoses_data()
{
    QTest::addColumn<bool>("matching");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("trace");
    QTest::newRow("0.02 ug known dose") << false << "0.02"
                                        << QStringList{"line 487,185 507,185", "arc 477,185 r10 a0.4 0.2..3.3",
                                                       labelText("0.02")};
    QTest::newRow("0.025 ug known dose") << false << ".025"
                                         << QStringList{"line 487,185 507,185", "arc 477,185 r10 a0.4 0.2..3.3",
                                                        labelText("0.025")};
    // 0.4 x 0.02 / 0.32 = 0.025 ug, plus 1, times 2: x = 2.05, height 9.
    QTest::newRow("0.02 ml of unknown") << true << "0.02"
                                        << QStringList{"line 487,185 507,185", "line 467,185 471,170", fallTo(173),
                                                       "arc 478,193 r30 a3 0.7..2.4", labelText("u0.02")};
}

void TestIleumBioassay::humpOnlyForSmallKnownDoses()
{
    QFETCH(bool, matching);
    QFETCH(QString, typed);
    QFETCH(QStringList, trace);
    Practical practical;
    if (matching)
        practical.matchWithStandard("0.4");
    QCOMPARE(practical.inject(typed), trace);
    QCOMPARE(practical.paperWidth, LoadedWidth + 40);
}

void TestIleumBioassay::injectionsStandFortyApart()
{
    Practical practical;
    QCOMPARE(practical.inject("0.1").first(), "line 487,185 507,185");
    QCOMPARE(practical.inject("0.1").first(), "line 527,185 547,185");
}

void TestIleumBioassay::emptyDoseDrawsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty box") << "";
    QTest::newRow("lone point") << ".";
    QTest::newRow("zero") << "0.0";
}

void TestIleumBioassay::emptyDoseDrawsNothing()
{
    QFETCH(QString, typed);
    Practical practical;
    QCOMPARE(practical.inject(typed), QStringList());
    QCOMPARE(practical.lastStart.check, InjectionCheck::InvalidDose);
    QCOMPARE(practical.lastStart.doseText, "0");
    QVERIFY(practical.assay.recordInjection(LoadedWidth + 40).isEmpty());
}

void TestIleumBioassay::standardSkipsTheDoseCheck()
{
    Practical practical;
    practical.matchWithStandard("0.4");
    QCOMPARE(practical.injectStandard(StandardKind::Standard, "").last(), labelText("Std "));
    QCOMPARE(practical.lastStart.doseText, "0");
}

void TestIleumBioassay::fullPaperStopsAndClearsTheStandard()
{
    Practical practical;
    practical.matchWithStandard("0.4");
    practical.assay.prepareStandard(StandardKind::DoubleStandard, practical.standardText);
    const InjectionStart start = practical.assay.startInjection("0.1", practical.standardText, true);
    QCOMPARE(start.check, InjectionCheck::PaperFull);
    QCOMPARE(practical.assay.StdPending(), false);
    QVERIFY(practical.assay.recordInjection(LoadedWidth + 40).isEmpty());
    // The next click of Unknown is an unknown again, not the lost standard.
    QCOMPARE(practical.inject("0.1").last(), labelText("u0.1"));
}

void TestIleumBioassay::standardDose_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<float>("matchVolume");
    QTest::newRow("empty box") << "" << false << QStringList{"", "", ""} << 0.0f;
    QTest::newRow("blank") << " " << false << QStringList{"", "", ""} << 0.0f;
    QTest::newRow("zero") << "0" << false << QStringList{"", "", ""} << 0.0f;
    QTest::newRow("0.4 ug") << "0.4" << true << QStringList{"0.4 mcg", " .2 mcg", " .8 mcg"} << 0.32f;
    QTest::newRow("typed .5") << ".5" << true << QStringList{".5 mcg", " .25 mcg", " 1 mcg"} << 0.32f;
}

void TestIleumBioassay::standardDose()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QStringList, captions);
    QFETCH(float, matchVolume);
    Practical practical;
    practical.assay.startMatchingAssay();
    const StandardAcceptance acceptance = practical.assay.acceptStandard(typed);
    QCOMPARE(acceptance.accepted, accepted);
    QCOMPARE((QStringList{acceptance.Lab_stan, acceptance.Lab_half, acceptance.Lab_doub}), captions);
    QCOMPARE(practical.assay.MatchVolume(), matchVolume);
}

void TestIleumBioassay::standardButtons_data()
{
    QTest::addColumn<StandardKind>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<float>("x");
    // Standard 0.4 ug on the strip of sensitivity 2.
    QTest::newRow("Standard") << StandardKind::Standard << "Std " << 3.8f;
    QTest::newRow("Half Standard") << StandardKind::HalfStandard << QStringLiteral("\u00BD Std") << 3.0f;
    QTest::newRow("Double Standard") << StandardKind::DoubleStandard << "2Std" << 5.0f;
}

void TestIleumBioassay::standardButtons()
{
    QFETCH(StandardKind, kind);
    QFETCH(QString, label);
    QFETCH(float, x);
    Practical practical;
    practical.matchWithStandard("0.4");
    const QStringList trace = practical.injectStandard(kind);
    QCOMPARE(trace.last(), labelText(label));
    QCOMPARE(practical.assay.EffectiveDose(), x);
    QCOMPARE(practical.assay.StdPending(), false);
}

void TestIleumBioassay::matchVolumeReproducesTheStandard_data()
{
    QTest::addColumn<QString>("standard");
    QTest::addColumn<float>("matchVolumeDraw");
    QTest::addColumn<QString>("matchVolume");
    QTest::newRow("0.4 ug matched by 0.32 ml") << "0.4" << MatchVolume032 << "0.32";
    QTest::newRow("0.3 ug matched by 0.2 ml") << "0.3" << 0.0f << "0.2";
    QTest::newRow("5.1 ug matched by 0.47 ml") << "5.1" << 0.88f << "0.47";
}

void TestIleumBioassay::matchVolumeReproducesTheStandard()
{
    QFETCH(QString, standard);
    QFETCH(float, matchVolumeDraw);
    QFETCH(QString, matchVolume);
    // Two windows alike: one injects the standard, the other the matching
    // volume of unknown, each as its first injection.
    Practical standardPractical(matchVolumeDraw);
    standardPractical.matchWithStandard(standard);
    QCOMPARE(Numbers::singleText(standardPractical.assay.MatchVolume()), matchVolume);
    QStringList standardTrace = standardPractical.injectStandard(StandardKind::Standard, matchVolume);

    Practical unknownPractical(matchVolumeDraw);
    unknownPractical.matchWithStandard(standard);
    QStringList unknownTrace = unknownPractical.inject(matchVolume);

    QCOMPARE(unknownPractical.assay.EffectiveDose(), standardPractical.assay.EffectiveDose());
    QCOMPARE(unknownTrace.takeLast(), labelText("u" + matchVolume));
    QCOMPARE(standardTrace.takeLast(), labelText("Std "));
    QCOMPARE(unknownTrace, standardTrace);
}

void TestIleumBioassay::reloadKeepsTheMatchVolume()
{
    Practical practical;
    practical.matchWithStandard("0.4");
    practical.load();
    QCOMPARE(practical.assay.MatchMode(), false);
    QCOMPARE(practical.assay.MatchVolume(), 0.32f);
    practical.paperWidth = LoadedWidth;
    QCOMPARE(practical.inject("0.1").last(), labelText("0.1"));
}

void TestIleumBioassay::handIn_data()
{
    QTest::addColumn<QString>("standard");
    QTest::addColumn<float>("matchVolumeDraw");
    QTest::addColumn<QString>("standardAtNext");
    QTest::addColumn<float>("actual");
    QTest::addColumn<QString>("standardAfter");
    QTest::newRow("no standard accepted") << QString() << MatchVolume032 << "0.4" << -1.0f << "-1";
    QTest::newRow("standard box reads 0") << "0.4" << MatchVolume032 << "." << -1.0f << "-1";
    QTest::newRow("0.4 ug matched by 0.32 ml") << "0.4" << MatchVolume032 << "0.4" << 1.25f << "0.4";
    QTest::newRow("0.4 ug matched by 0.30 ml") << "0.4" << 0.33f << "0.4" << 1.333333f << "0.4";
}

void TestIleumBioassay::handIn()
{
    QFETCH(QString, standard);
    QFETCH(float, matchVolumeDraw);
    QFETCH(QString, standardAtNext);
    QFETCH(float, actual);
    QFETCH(QString, standardAfter);
    Practical practical(matchVolumeDraw);
    if (!standard.isNull())
        practical.matchWithStandard(standard);
    const HandIn handedIn = practical.assay.handIn(standardAtNext);
    QCOMPARE(handedIn.actualConc, actual);
    QCOMPARE(handedIn.standardText, standardAfter);
    QCOMPARE(practical.state.Ileum_ActualConc, actual);
}

QTEST_APPLESS_MAIN(TestIleumBioassay)
#include "tst_ileum_bioassay.moc"
