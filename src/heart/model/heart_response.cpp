#include "heart/model/heart_response.h"

#include "core/numbers.h"
#include "core/random_source.h"
#include "heart/model/heart_drug_labels.h"
#include "heart/model/heart_indicators.h"
#include "heart/model/heart_marks.h"
#include "heart/model/heart_state.h"

namespace Heart::Response {

namespace {

const QString CaCl = QStringLiteral("CaCl");
const QString KCl = QStringLiteral("KCl");
const QString Atr = QStringLiteral("Atr");
const QString ACh = QStringLiteral("ACh");
const QString Prop = QStringLiteral("Prop");
const QString Epi = QStringLiteral("Epi");
const QString NEpi = QStringLiteral("NEpi");
const QString Iso = QStringLiteral("Iso");

constexpr QChar NoChange = u'N';
constexpr QChar KeepLastRate = u'P';

// Rates live in a byte: a drug row that would carry the rate past either end
// stops there instead of wrapping round.
quint8 rateByte(int rate)
{
    return quint8(qBound(0, rate, 255));
}

void setEnabled(EnableChanges &changes, const QVector<HeartControl> &controls, bool enabled)
{
    for (HeartControl control : controls)
        changes.append({control, enabled});
}

// An injection while another drug acts: the ion arrests end, begin or hold.
void handleIons(HeartRunState &run, const QString &k, HeartDrawing &out)
{
    HeartLever &lever = run.lever;
    if (run.PrevKey == CaCl && k != CaCl) {
        out.paper += Marks::calciumRecovery();
        lever.setAnimation(true);
        if (run.kclbcacl == 1) {
            run.kclbcacl = 0;
        } else {
            HeartLever::toggleLine(out.lever, HeartLever::CalciumArrestY);
            lever.toggleNeedle(out.lever);
        }
    } else if (run.PrevKey == CaCl) {
        lever.setAnimation(false);
        // Calcium given to end a potassium arrest, and now calcium again.
        if (run.kclbcacl == 1) {
            run.kclbcacl = 0;
            DrawCaClArrest(run, out);
            out.lever.append(ShowHeart{HeartPicture::Diastole});
            lever.moveLine(out.lever, HeartLever::CalciumArrestY);
        }
    } else if (run.PrevKey == KCl) {
        if (k != KCl)
            out.paper += Marks::potassiumRecovery();
        lever.setAnimation(k != KCl);
    } else if (k == CaCl) {
        lever.setAnimation(false);
        lever.moveLine(out.lever, HeartLever::CalciumArrestY);
        DrawCaClArrest(run, out);
        out.lever.append(ShowHeart{HeartPicture::Diastole});
    } else if (k == KCl) {
        lever.moveNeedle(out.lever, HeartLever::PotassiumArrestY);
        lever.setAnimation(false);
        DrawKClArrest(run, out);
    }
}

enum class Interaction { Own, Cancel, CancelKeepingRate };

// The second drug k given while the drug PrevKey acts.
Interaction interactionOf(const QString &PrevKey, const QString &k)
{
    const bool cancels = (PrevKey == KCl && k == CaCl) || (PrevKey == CaCl && k == KCl) || (PrevKey == Atr && k == ACh)
        || (PrevKey == ACh && k == Atr) || (PrevKey == Prop && (k == Epi || k == NEpi || k == Iso));
    if (!cancels)
        return Interaction::Own;
    return PrevKey == Prop && k == NEpi ? Interaction::CancelKeepingRate : Interaction::Cancel;
}

// The stroke and the codes of drug (key k) given while the drug PrevKey acts:
// its own, or the rest stroke with no change when the two cancel.
void applyInteraction(HeartRunState &run, const HeartDrug &drug, const QString &k, QChar &rateCode, QChar &toneCode)
{
    const Interaction interaction = interactionOf(run.PrevKey, k);
    if (interaction == Interaction::Own) {
        run.TraceTop = drug.L_StART;
        run.TraceBottom = drug.L_End;
        return;
    }
    run.TraceTop = HeartDrugTable::RestTop;
    run.TraceBottom = HeartDrugTable::RestBottom;
    rateCode = interaction == Interaction::CancelKeepingRate ? KeepLastRate : NoChange;
    toneCode = NoChange;
    run.Antagonised = 1;
    if (run.PrevKey == KCl)
        run.kclbcacl = 1;
}

// The rate under the drug, the heart-rate level and the lever's interval, by
// the rate code.
void setRate(HeartRunState &run, QChar rateCode, const HeartDrug &drug, const QString &k)
{
    const int basal = int(Numbers::roundHalfEven(Numbers::leadingNumber(run.readouts.Txt_BHR)));
    HeartLever &lever = run.lever;
    switch (rateCode.unicode()) {
    case u'I':
        run.DrugRate = rateByte(basal + Chance::drawInRange(drug.hr_START, drug.hr_END));
        // An empty basal box would give a rate of 0; the lever then runs at
        // its fastest rather than dividing by 0.
        lever.setInterval(int(Numbers::roundHalfEven(500.0 / qMax<int>(run.DrugRate, 1))));
        if (k == Atr)
            lever.setInterval(400);
        break;
    case u'D':
        run.DrugRate = rateByte(basal - Chance::drawInRange(drug.hr_START, drug.hr_END));
        lever.setInterval(run.DrugRate * 5 + 500);
        break;
    case u'O':
        run.DrugRate = 1;
        run.readouts.TxtHR_Drug = QStringLiteral("1");
        lever.setInterval(HeartLever::RestIntervalMs);
        break;
    case u'P': run.DrugRate = run.LastRate; break;
    default:
        run.DrugRate = rateByte(basal);
        lever.setInterval(HeartLever::RestIntervalMs);
        break;
    }
}

// The examinations keep the rate each injection reached.
void recordRate(const HeartRunState &run, const HeartDrug &drug)
{
    switch (run.practical.Heart_Mode) {
    case Mode::Exam1: run.practical.Heart_Exam1Results[run.practical.Heart_UnknownNo].Rate = run.DrugRate; break;
    case Mode::Exam2:
        // The count is a byte: past 255 injections the log stops growing
        // rather than starting again over its first entries.
        if (run.practical.Heart_Exam2Count == 255)
            break;
        ++run.practical.Heart_Exam2Count;
        run.practical.Heart_Exam2Log.resize(run.practical.Heart_Exam2Count + 1);
        run.practical.Heart_Exam2Log[run.practical.Heart_Exam2Count]
            = {run.drugs.listText(run.selectedPosition), QString(drug.tone).trimmed(), run.DrugRate};
        break;
    case Mode::Exam3: {
        if (run.practical.Heart_Exam3Rates.size() <= run.practical.Heart_HeartNo)
            run.practical.Heart_Exam3Rates.resize(run.practical.Heart_HeartNo + 1);
        HeartExam3Row &row = run.practical.Heart_Exam3Rates[run.practical.Heart_HeartNo];
        if (run.ActiveDrug == 1)
            row.EpiRate = run.DrugRate;
        else if (run.ActiveDrug == 2)
            row.AChRate = run.DrugRate;
        else if (run.ActiveDrug == 3)
            row.UnknownRate = run.DrugRate;
        break;
    }
    default: break;
    }
}

} // namespace

void DrawCaClArrest(HeartRunState &run, HeartDrawing &out)
{
    run.JitterRange = 2;
    out.paper += Marks::calciumArrest();
}

void DrawKClArrest(HeartRunState &run, HeartDrawing &out)
{
    run.JitterRange = 2;
    out.paper += Marks::potassiumArrest();
}

HeartDrawing Inject(HeartRunState &run)
{
    HeartDrawing out;
    HeartLever &lever = run.lever;
    HeartReadouts &shown = run.readouts;
    const HeartDrugTable &drugs = run.drugs;
    const int p = run.selectedPosition;

    // The running lever beat ends before the injection moves or stops it.
    out.lever = lever.finishSwing();
    lever.paintpic1 = 1;
    run.DrugRate = 0;
    shown.TxtHR_Drug.clear();
    setEnabled(out.enables, lockedWhileDrugActs(run.practical.Heart_Mode), false);

    shown.Lab_drugname = DrugLabels::actingName(run, p);
    shown.Lab_DDose = DrugLabels::doseUnit(run, p);
    // Every injection shows the drug given before it, an unknown's included.
    shown.lbl_lastdrug = run.PrevName;
    const QString label = DrugLabels::markLabel(run, p);

    run.ActiveDrug = quint8(p + 1);
    const HeartDrug &drug = drugs.entry(run.ActiveDrug);
    QChar rateCode = drug.hr_indicator;
    QChar toneCode = drug.tone;
    const QString k = drug.key.trimmed();
    run.TickCount = 0;
    run.interact = 0;
    run.Antagonised = 0;

    if (run.restnormalflag == 1) {
        run.TraceTop = drug.L_StART;
        run.TraceBottom = drug.L_End;
    } else {
        run.interact = 1;
        out.paper.append(Marks::interactionMark(run.LastRate, label));
        handleIons(run, k, out);
        applyInteraction(run, drug, k, rateCode, toneCode);
    }

    shown.ProBar_Time = 100.0f;
    run.restnormalflag = 0;
    if (run.interact == 0)
        out.paper.append(Marks::injectionMark(shown.Txt_BHR, label));

    setRate(run, rateCode, drug, k);
    run.LastRate = run.DrugRate;
    recordRate(run, drug);

    out.indicators = IndicatorLevels{Indicators::heartRateLevel(rateCode), Indicators::toneLevel(toneCode)};
    run.JitterRange = 4;

    if (run.interact == 0 && k == CaCl) {
        DrawCaClArrest(run, out);
        out.lever.append(ShowHeart{HeartPicture::Diastole});
        lever.setAnimation(false);
        lever.moveLine(out.lever, HeartLever::CalciumArrestY);
    } else if (run.interact == 0 && k == KCl) {
        DrawKClArrest(run, out);
        out.lever.append(ShowHeart{HeartPicture::Systole});
        lever.setAnimation(false);
    }

    setEnabled(out.enables, {HeartControl::Cmd_inject, HeartControl::Cmd_RmvDrug}, true);
    run.PrevKey = k;
    run.PrevName = DrugLabels::injectedName(run, p);
    shown.lbl_warning = QStringLiteral("BHR - Basal Heart Rate(Control)");
    return out;
}

HeartDrawing WashOut(HeartRunState &run)
{
    HeartDrawing out;
    HeartLever &lever = run.lever;
    HeartReadouts &shown = run.readouts;

    if (shown.Lab_drugname != QLatin1String("None")) {
        run.restnormalflag = 1;
        out.paper.append(Marks::endMark(shown.TxtHR_Drug));
        setEnabled(out.enables, lockedWhileDrugActs(run.practical.Heart_Mode), true);
        lever.paintpic1 = 0;
        if (run.Antagonised == 0) {
            const QString key = run.drugs.entry(run.ActiveDrug).key.trimmed();
            if (key == CaCl) {
                out.paper += Marks::calciumRecovery();
                HeartLever::toggleLine(out.lever, HeartLever::CalciumArrestY);
                lever.forgetLine();
            } else if (key == KCl) {
                out.paper += Marks::potassiumRecovery();
            }
        }
        // Calcium given against potassium acts no longer; left at 1, a later
        // pair of calcium injections would take it for the end of a
        // potassium arrest and leave stray lever lines.
        run.kclbcacl = 0;
    }

    run.interact = 0;
    out.indicators = IndicatorLevels{Indicators::NoChange, Indicators::NoChange};
    out.enables
        += {{HeartControl::Cmd_inject, true}, {HeartControl::Combo_Drug, true}, {HeartControl::Cmd_RmvDrug, false}};

    int basal = run.BasalRate;
    if (double(Chance::draw()) > 0.749)
        ++basal;
    if (double(Chance::draw()) < 0.249)
        --basal;
    shown.Txt_BHR = QString::number(basal);

    run.JitterRange = 4;
    run.TickCount = 0;
    run.ActiveDrug = 0;
    run.TraceTop = HeartDrugTable::RestTop;
    run.TraceBottom = HeartDrugTable::RestBottom;
    shown.Lab_drugname = QStringLiteral("None");
    shown.lbl_lastdrug = run.PrevName;
    shown.lbl_warning = QStringLiteral("Choose a drug and inject");
    lever.setAnimation(true);
    lever.setInterval(HeartLever::RestIntervalMs);
    return out;
}

} // namespace Heart::Response
