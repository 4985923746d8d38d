#include "core/asset_paths.h"
#include "core/database/drug_file_check.h"
#include "core/database/drug_file_layout.h"
#include "core/database/drug_fixtures.h"
#include "core/database/drug_rules.h"
#include "core/database/sql_script.h"
#include "support/seams/run_folder.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

// Each rule is tested by breaking the shipped rows in one place: the shipped
// files are the rows the rules were written for.
using HeartEdit = std::function<void(QVector<HeartDrug> &)>;
using OesoEdit = std::function<void(QVector<OesoDrug> &)>;
using RabEdit = std::function<void(QVector<RabDrug> &)>;
Q_DECLARE_METATYPE(HeartEdit)
Q_DECLARE_METATYPE(OesoEdit)
Q_DECLARE_METATYPE(RabEdit)

namespace {

template <typename Drug> QVector<Drug> shipped(DrugReading<Drug> (*read)(const QString &), const DrugFileLayout &layout)
{
    const DrugReading<Drug> reading = read(AssetPaths::file(layout.fileName));
    if (!reading.ok())
        qWarning("%s", qPrintable(reading.error.text()));
    return reading.drugs;
}

} // namespace

class TestDrugRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSeams::useRunFolder(); }
    void shippedFileIsSound_data();
    void shippedFileIsSound();
    void shippedRowsAreTheReferenceRows();
    void heartRules_data();
    void heartRules();
    void oesoRules_data();
    void oesoRules();
    void rabRules_data();
    void rabRules();
    void fileWithOtherFieldsIsRefused_data();
    void fileWithOtherFieldsIsRefused();
    void unknownFileNameIsRefused();
};

void TestDrugRules::shippedFileIsSound_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("heart") << heartDrugLayout().fileName;
    QTest::newRow("oesophagus") << oesoDrugLayout().fileName;
    QTest::newRow("rabbit") << rabDrugLayout().fileName;
}

void TestDrugRules::shippedFileIsSound()
{
    QFETCH(QString, fileName);
    QCOMPARE(shippedFileProblems(AssetPaths::file(fileName)), QStringList());
}

void TestDrugRules::shippedRowsAreTheReferenceRows()
{
    const QVector<HeartDrug> heart = shipped(readHeartDrugs, heartDrugLayout());
    QStringList keys;
    for (const HeartDrug &drug : heart)
        keys << drug.key;
    QCOMPARE(keys, QStringList({"Epi", "NEpi", "Iso", "Prop", "Atr", "ACh", "KCl", "CaCl"}));
    QCOMPARE(heart.last().Name, QStringLiteral("Calcium chloride"));

    const DrugReading<HeartDrug> exam3 = readHeartExam3Drugs(AssetPaths::file(heartDrugLayout().fileName));
    QVERIFY(exam3.ok());
    QCOMPARE(exam3.drugs.at(0).Name, QStringLiteral("Epinephrine"));
    QCOMPARE(exam3.drugs.at(1).Name, QStringLiteral("Acetylcholine"));

    const QVector<OesoDrug> oeso = shipped(readOesoDrugs, oesoDrugLayout());
    QCOMPARE(oeso.size(), 6);
    QCOMPARE(oeso.at(2).Drug, QStringLiteral("Carbachol"));

    const QVector<RabDrug> rab = shipped(readRabDrugs, rabDrugLayout());
    QCOMPARE(rab.size(), 9);
    QCOMPARE(rab.first().D_Name, QStringLiteral("Atropine"));
}

void TestDrugRules::heartRules_data()
{
    QTest::addColumn<HeartEdit>("edit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("shipped rows") << HeartEdit([](QVector<HeartDrug> &) {}) << QStringList();
    QTest::newRow("seven rows") << HeartEdit([](QVector<HeartDrug> &d) { d.removeLast(); })
                                << QStringList({"There are 7 rows; the heart practical numbers its drugs 1 to 8.",
                                                "No row has the key \"CaCl\"."});
    QTest::newRow("key on two rows") << HeartEdit([](QVector<HeartDrug> &d) { d[7].key = "KCl"; })
                                     << QStringList({"The key \"KCl\" is on 2 rows.", "No row has the key \"CaCl\"."});
    QTest::newRow("unknown key")
        << HeartEdit([](QVector<HeartDrug> &d) { d[2].key = "Isop"; })
        << QStringList({"No row has the key \"Iso\".",
                        "Row 3 (\"Isoprenaline\") has the key \"Isop\", which no interaction rule knows."});
    QTest::newRow("epinephrine not first")
        << HeartEdit([](QVector<HeartDrug> &d) { std::swap(d[0], d[1]); })
        << QStringList({"Row 1 (\"Norepinephrine\") has the key \"NEpi\"; row 1 must be Epinephrine with the key "
                        "\"Epi\" (Examination 3 compares the unknown with it)."});
    QTest::newRow("acetylcholine renamed")
        << HeartEdit([](QVector<HeartDrug> &d) { d[5].Name = "ACh"; })
        << QStringList({"Row 6 (\"ACh\") has the key \"ACh\"; row 6 must be Acetylcholine with the key "
                        "\"ACh\" (Examination 3 compares the unknown with it)."});
    QTest::newRow("stroke not one of the lever's")
        << HeartEdit([](QVector<HeartDrug> &d) { d[2].L_End = 31; })
        << QStringList(
               {"Row 3 (\"Isoprenaline\"): the beat stroke L_StART 85, L_End 31 is not one of the lever's nine."});
    QTest::newRow("stroke upside down")
        << HeartEdit([](QVector<HeartDrug> &d) { std::swap(d[0].L_StART, d[0].L_End); })
        << QStringList(
               {"Row 1 (\"Epinephrine\"): the beat stroke L_StART 40, L_End 90 is not one of the lever's nine."});
    QTest::newRow("hr_END below hr_START") << HeartEdit([](QVector<HeartDrug> &d) { d[4].hr_START = 4; })
                                           << QStringList({"Row 5 (\"Atropine\"): hr_END 3 is below hr_START 4."});
    QTest::newRow("increase to 255 allowed")
        << HeartEdit([](QVector<HeartDrug> &d) { d[0].hr_END = 164; }) << QStringList();
    QTest::newRow("increase past 255") << HeartEdit([](QVector<HeartDrug> &d) {
        d[0].hr_END = 165;
    }) << QStringList({"Row 1 (\"Epinephrine\"): an increase of up to 165 beats/min can take the rate above 255."});
    QTest::newRow("decrease to 1 allowed")
        << HeartEdit([](QVector<HeartDrug> &d) { d[5].hr_END = 58; }) << QStringList();
    QTest::newRow("decrease to 0") << HeartEdit([](QVector<HeartDrug> &d) {
        d[5].hr_END = 59;
    }) << QStringList({"Row 6 (\"Acetylcholine\"): a decrease of up to 59 beats/min can take the rate below 1."});
    QTest::newRow("arrest may have any range")
        << HeartEdit([](QVector<HeartDrug> &d) { d[6].hr_END = 200; }) << QStringList();
}

void TestDrugRules::heartRules()
{
    QFETCH(HeartEdit, edit);
    QFETCH(QStringList, expected);
    QVector<HeartDrug> drugs = shipped(readHeartDrugs, heartDrugLayout());
    QCOMPARE(drugs.size(), 8);
    edit(drugs);
    QCOMPARE(heartDrugProblems(drugs), expected);
}

void TestDrugRules::oesoRules_data()
{
    QTest::addColumn<OesoEdit>("edit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("shipped rows") << OesoEdit([](QVector<OesoDrug> &) {}) << QStringList();
    QTest::newRow("Ringer not first") << OesoEdit([](QVector<OesoDrug> &d) {
        std::swap(d[0], d[1]);
    }) << QStringList({"The first row is \"Acetylcholine\"; it must be \"Ringer\", the baseline solution."});
    QTest::newRow("atropine misspelt") << OesoEdit([](QVector<OesoDrug> &d) {
        d[4].Drug = "atropine";
    }) << QStringList({"No row is named exactly \"Atropine\"; the interaction rules need it."});
    QTest::newRow("Ringer alone")
        << OesoEdit([](QVector<OesoDrug> &d) { d.resize(1); })
        << QStringList({"There are 1 rows; the examination needs the Ringer row and at least one drug.",
                        "No row is named exactly \"Acetylcholine\"; the interaction rules need it.",
                        "No row is named exactly \"Atropine\"; the interaction rules need it.",
                        "No row is named exactly \"Physostigmine\"; the interaction rules need it."});
    QTest::newRow("step above 255") << OesoEdit([](QVector<OesoDrug> &d) {
        d[1].speed2 = 256;
    }) << QStringList({"Row 2 (\"Acetylcholine\"): speed2 256 is not a whole number from 1 to 255."});
    QTest::newRow("step not whole") << OesoEdit([](QVector<OesoDrug> &d) {
        d[1].speed1 = 12.5f;
    }) << QStringList({"Row 2 (\"Acetylcholine\"): speed1 12.5 is not a whole number from 1 to 255."});
    QTest::newRow("step of 0") << OesoEdit([](QVector<OesoDrug> &d) {
        d[5].speed1 = 0;
    }) << QStringList({"Row 6 (\"Adrenaline\"): speed1 0 is not a whole number from 1 to 255."});
    QTest::newRow("interval of 0 ms") << OesoEdit([](QVector<OesoDrug> &d) {
        d[0].time1 = 0;
    }) << QStringList({"Row 1 (\"Ringer\"): time1 0 is not a whole number from 1 to 65535."});
    QTest::newRow("interval range reversed")
        << OesoEdit([](QVector<OesoDrug> &d) { d[3].time1 = 190; })
        << QStringList({"Row 4 (\"Physostigmine\"): time1 190 is above time2 185."});
}

void TestDrugRules::oesoRules()
{
    QFETCH(OesoEdit, edit);
    QFETCH(QStringList, expected);
    QVector<OesoDrug> drugs = shipped(readOesoDrugs, oesoDrugLayout());
    QVERIFY(!drugs.isEmpty());
    edit(drugs);
    QCOMPARE(oesoDrugProblems(drugs), expected);
}

void TestDrugRules::rabRules_data()
{
    QTest::addColumn<RabEdit>("edit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("shipped rows") << RabEdit([](QVector<RabDrug> &) {}) << QStringList();
    QTest::newRow("saline not last")
        << RabEdit([](QVector<RabDrug> &d) { std::swap(d[7], d[8]); })
        << QStringList(
               {"The last row is \"Lignocaine\"; it must be \"Saline\", the control never given as an unknown."});
    QTest::newRow("saline alone") << RabEdit([](QVector<RabDrug> &d) {
        d = {d.last()};
    }) << QStringList({"There are 1 rows; Examination 1 needs at least one drug and the saline control."});
    QTest::newRow("pupil range reversed") << RabEdit([](QVector<RabDrug> &d) { d[0].P_size1 = 56; })
                                          << QStringList({"Row 1 (\"Atropine\"): P_size1 56 is above P_size2 55."});
    QTest::newRow("change of -84 allowed") << RabEdit([](QVector<RabDrug> &d) { d[5].P_size1 = -84; }) << QStringList();
    QTest::newRow("change below -84") << RabEdit([](QVector<RabDrug> &d) {
        d[5].P_size1 = -85;
    }) << QStringList({"Row 6 (\"Pilocarpine\"): P_size1 -85 is below -84; the torch would close the pupil."});
}

void TestDrugRules::rabRules()
{
    QFETCH(RabEdit, edit);
    QFETCH(QStringList, expected);
    QVector<RabDrug> drugs = shipped(readRabDrugs, rabDrugLayout());
    QCOMPARE(drugs.size(), 9);
    edit(drugs);
    QCOMPARE(rabDrugProblems(drugs), expected);
}

void TestDrugRules::fileWithOtherFieldsIsRefused_data()
{
    QTest::addColumn<QStringList>("fields");
    const QStringList fields = oesoDrugLayout().fields;
    QTest::newRow("a field more") << fields + QStringList{"notes"};
    QTest::newRow("two fields swapped") << QStringList{fields[0], fields[2], fields[1], fields[3], fields[4]};
}

void TestDrugRules::fileWithOtherFieldsIsRefused()
{
    QFETCH(QStringList, fields);
    QTemporaryDir dir;
    const QString path = dir.filePath(oesoDrugLayout().fileName);
    QCOMPARE(SqlScript::createDatabase(path, DrugFixtures::script(oesoDrugLayout(), {}, fields)), QString());
    QCOMPARE(shippedFileProblems(path),
             QStringList{QStringLiteral("The table \"Oeso\" has the fields %1; it must have exactly "
                                        "Drug, speed1, speed2, time1, time2, in this order.")
                             .arg(fields.join(QStringLiteral(", ")))});
}

void TestDrugRules::unknownFileNameIsRefused()
{
    QCOMPARE(shippedFileProblems(AssetPaths::file(QStringLiteral("F_Heart.MDB"))),
             QStringList{QStringLiteral("\"F_Heart.MDB\" is not the name of a drug database.")});
}

QTEST_GUILESS_MAIN(TestDrugRules)
#include "tst_drug_rules.moc"
