#include "heart/model/heart_fixture.h"

#include "heart/model/heart_state.h"

namespace HeartFixture {

HeartDrug drug(const QString &name, const QString &key, float dose, QChar tone, quint8 hrStart, quint8 hrEnd,
               quint8 top, quint8 bottom, QChar rateCode)
{
    HeartDrug d;
    d.Name = name;
    d.key = key;
    d.Dose = dose;
    d.tone = tone;
    d.hr_START = hrStart;
    d.hr_END = hrEnd;
    d.L_StART = top;
    d.L_End = bottom;
    d.hr_indicator = rateCode;
    return d;
}

QVector<HeartDrug> shippedDrugs()
{
    return {
        drug("Epinephrine", "Epi", 5, u'N', 15, 25, 90, 40, u'I'),
        drug("Norepinephrine", "NEpi", 5, u'N', 8, 18, 80, 44, u'I'),
        drug("Isoprenaline", "Iso", 1, u'N', 20, 35, 85, 30, u'I'),
        drug("Propranolol", "Prop", 50, u'N', 5, 12, 80, 60, u'D'),
        drug("Atropine", "Atr", 10, u'N', 0, 3, 80, 49, u'N'),
        drug("Acetylcholine", "ACh", 1, u'D', 20, 35, 69, 59, u'D'),
        drug("Potassium chloride", "KCl", 2000, u'D', 55, 59, 84, 85, u'O'),
        drug("Calcium chloride", "CaCl", 2000, u'I', 50, 59, 35, 36, u'O'),
    };
}

QVector<HeartDrug> exam3Drugs()
{
    const QVector<HeartDrug> all = shippedDrugs();
    return {all.at(Epi), all.at(ACh)};
}

namespace {

struct LeverText
{
    QString operator()(const Heart::LeverLine &line) const { return QStringLiteral("lever %1").arg(line.y); }
    QString operator()(const Heart::ShowHeart &show) const
    {
        return show.picture == Heart::HeartPicture::Systole ? QStringLiteral("heart systole")
                                                            : QStringLiteral("heart diastole");
    }
};

} // namespace

QStringList leverTexts(const Heart::LeverDrawings &drawings)
{
    QStringList texts;
    for (const Heart::LeverDrawing &drawing : drawings)
        texts.append(std::visit(LeverText(), drawing));
    return texts;
}

Bench::Bench(Heart::Mode mode, const QVector<HeartDrug> &drugs, QVector<float> draws)
    : Bench(practicalIn(mode), drugs, std::move(draws))
{
}

Bench::Bench(const Heart::HeartPractical &start, const QVector<HeartDrug> &drugs, QVector<float> draws)
    : random(std::move(draws))
    , practical(start)
{
    loaded = experiment.load(drugs);
}

Heart::HeartPractical practicalIn(Heart::Mode mode)
{
    Heart::HeartPractical practical;
    practical.Heart_Mode = mode;
    return practical;
}

Heart::HeartDrawing Bench::ticks(int n)
{
    Heart::HeartDrawing all;
    for (int i = 0; i < n; ++i)
        all.append(experiment.beatTick());
    return all;
}

Heart::HeartDrawing Bench::inject(int p, float draw)
{
    random.setValues({draw, 0.5f});
    experiment.selectDrug(p);
    return experiment.Inject();
}

Heart::LeverDrawings Bench::beatLever()
{
    Heart::LeverDrawings drawings = experiment.leverTick();
    drawings += experiment.finishSwing();
    return drawings;
}

} // namespace HeartFixture
