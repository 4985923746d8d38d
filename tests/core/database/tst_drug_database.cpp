#include "core/database/drug_file_layout.h"
#include "core/database/drug_fixtures.h"
#include "core/database/heart_drugs.h"
#include "core/database/oeso_drugs.h"
#include "core/database/rab_drugs.h"
#include "core/database/sql_script.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using DrugFixtures::Row;
using DrugFixtures::with;

namespace {

// A reader as a failure test sees it: the error text, or a note saying how
// the read went wrong otherwise (no error at all, or drugs kept beside one).
struct Reader
{
    QString (*failure)(const QString &path) = nullptr;
};

template <typename Drug, DrugReading<Drug> (*read)(const QString &)> QString failureOf(const QString &path)
{
    const DrugReading<Drug> reading = read(path);
    if (reading.ok())
        return QStringLiteral("(read %1 drugs without error)").arg(reading.drugs.size());
    if (!reading.drugs.isEmpty())
        return QStringLiteral("(kept %1 drugs beside the error)").arg(reading.drugs.size());
    return reading.error.text();
}

const Reader heartReader{failureOf<HeartDrug, readHeartDrugs>};
const Reader heartExam3Reader{failureOf<HeartDrug, readHeartExam3Drugs>};
const Reader oesoReader{failureOf<OesoDrug, readOesoDrugs>};
const Reader rabReader{failureOf<RabDrug, readRabDrugs>};

QList<Row> heartRows(int count)
{
    QList<Row> rows;
    for (int i = 1; i <= count; ++i)
        rows.append(DrugFixtures::heartRow(QStringLiteral("Drug %1").arg(i)));
    return rows;
}

QList<Row> oneRowWith(Row row, const QString &field, const QString &literal)
{
    return {with(std::move(row), {{field, literal}})};
}

QStringList folderContents(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArray fingerprint(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// What a failure fixture puts into the folder.
enum class Fixture { NoFile, Garbage, Database };

} // namespace

Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(Fixture)

class TestDrugDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void heartRowsComeInInsertionOrder();
    void heartBytesRoundHalvesToEven_data();
    void heartBytesRoundHalvesToEven();
    void heartKeyIsTrimmedIntoSixCharacters_data();
    void heartKeyIsTrimmedIntoSixCharacters();
    void heartExam3MovesFiveRows();
    void oesoRowsAreTrimmedSingles();
    void rabCodesAndPupilChanges();
    void readingLeavesTheFileAsItWas();
    void failureIsReportedNotFatal_data();
    void failureIsReportedNotFatal();
    void studentMessageSaysThePracticalCannotStart();

private:
    // Writes the fixture under the file's own name (plus any further SQL)
    // and gives its path.
    QString build(const DrugFileLayout &layout, const QList<Row> &rows, const QStringList &fields = {},
                  const QString &moreSql = {});

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestDrugDatabase::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

QString TestDrugDatabase::build(const DrugFileLayout &layout, const QList<Row> &rows, const QStringList &fields,
                                const QString &moreSql)
{
    const QString path = m_dir->filePath(layout.fileName);
    const QString error = SqlScript::createDatabase(path, DrugFixtures::script(layout, rows, fields) + moreSql);
    if (!error.isEmpty())
        qWarning("fixture not built: %s", qPrintable(error));
    return path;
}

void TestDrugDatabase::heartRowsComeInInsertionOrder()
{
    // A wide field the practical does not read, and an index over every field
    // it does read: scanning the narrower index tempts the engine to deliver
    // the rows in the index's (alphabetical) order, not the order written.
    const QString indexTemptation = QStringLiteral("ALTER TABLE heart_drug ADD COLUMN notes VARCHAR(4000);"
                                                   "CREATE INDEX every_field ON heart_drug (Name, [key], L_StART, "
                                                   "L_End, Dose, hr_START, hr_END, tone, hr_indicator);");
    const Row acetylcholine = with(DrugFixtures::heartRow(QStringLiteral("Alpha")),
                                   {{QStringLiteral("key"), QStringLiteral("'ACh'")},
                                    {QStringLiteral("L_StART"), QStringLiteral("69")},
                                    {QStringLiteral("L_End"), QStringLiteral("59")},
                                    {QStringLiteral("Dose"), QStringLiteral("0.1")},
                                    {QStringLiteral("hr_START"), QStringLiteral("' 20 '")},
                                    {QStringLiteral("hr_END"), QStringLiteral("35")},
                                    {QStringLiteral("tone"), QStringLiteral("'Decreased'")},
                                    {QStringLiteral("hr_indicator"), QStringLiteral("''")}});
    const QString path = build(heartDrugLayout(),
                               {DrugFixtures::heartRow(QStringLiteral("Zeta  ")), acetylcholine,
                                DrugFixtures::heartRow(QStringLiteral("Mid"))},
                               {}, indexTemptation);

    const DrugReading<HeartDrug> reading = readHeartDrugs(path);
    QVERIFY2(reading.ok(), qPrintable(reading.error.text()));
    QCOMPARE(reading.drugs.size(), 3);
    QCOMPARE(reading.drugs.at(0).Name, QStringLiteral("Zeta"));
    QCOMPARE(reading.drugs.at(1).Name, QStringLiteral("Alpha"));
    QCOMPARE(reading.drugs.at(2).Name, QStringLiteral("Mid"));

    const HeartDrug &drug = reading.drugs.at(1);
    QCOMPARE(drug.key, QStringLiteral("ACh"));
    QCOMPARE(drug.L_StART, quint8(69));
    QCOMPARE(drug.L_End, quint8(59));
    QCOMPARE(drug.Dose, 0.1f);
    QCOMPARE(drug.hr_START, quint8(20)); // a number written as text
    QCOMPARE(drug.hr_END, quint8(35));
    QCOMPARE(drug.tone, QChar(u'D'));
    QCOMPARE(drug.hr_indicator, QChar(u' ')); // an empty text gives a blank code
}

void TestDrugDatabase::heartBytesRoundHalvesToEven_data()
{
    QTest::addColumn<QString>("literal");
    QTest::addColumn<int>("expected");
    QTest::newRow("half goes down to even") << "12.5" << 12;
    QTest::newRow("half goes up to even") << "13.5" << 14;
    QTest::newRow("minus a half rounds to zero") << "-0.5" << 0;
    QTest::newRow("just under the top") << "255.4" << 255;
    QTest::newRow("top as text") << "'255'" << 255;
}

void TestDrugDatabase::heartBytesRoundHalvesToEven()
{
    QFETCH(QString, literal);
    QFETCH(int, expected);
    const QString path
        = build(heartDrugLayout(),
                oneRowWith(DrugFixtures::heartRow(QStringLiteral("Epinephrine")), QStringLiteral("L_End"), literal));
    const DrugReading<HeartDrug> reading = readHeartDrugs(path);
    QVERIFY2(reading.ok(), qPrintable(reading.error.text()));
    QCOMPARE(int(reading.drugs.at(0).L_End), expected);
}

void TestDrugDatabase::heartKeyIsTrimmedIntoSixCharacters_data()
{
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks trimmed") << "'  NEpi '"
                                    << "NEpi";
    QTest::newRow("cut to six") << "'Epinephrine'"
                                << "Epinep";
    QTest::newRow("cut leaves no padding") << "'CaCl  chloride'"
                                           << "CaCl";
    QTest::newRow("empty") << "''"
                           << "";
}

void TestDrugDatabase::heartKeyIsTrimmedIntoSixCharacters()
{
    QFETCH(QString, literal);
    QFETCH(QString, expected);
    const QString path
        = build(heartDrugLayout(),
                oneRowWith(DrugFixtures::heartRow(QStringLiteral("Epinephrine")), QStringLiteral("key"), literal));
    const DrugReading<HeartDrug> reading = readHeartDrugs(path);
    QVERIFY2(reading.ok(), qPrintable(reading.error.text()));
    QCOMPARE(reading.drugs.at(0).key, expected);
}

void TestDrugDatabase::heartExam3MovesFiveRows()
{
    // Row 3 cannot be converted: the full reading stops there, but the third
    // examination only reads the first row and the sixth.
    QList<Row> rows = heartRows(8);
    rows[2] = with(rows[2], {{QStringLiteral("Dose"), QStringLiteral("NULL")}});
    const QString path = build(heartDrugLayout(), rows);

    const DrugReading<HeartDrug> exam3 = readHeartExam3Drugs(path);
    QVERIFY2(exam3.ok(), qPrintable(exam3.error.text()));
    QCOMPARE(exam3.drugs.size(), 2);
    QCOMPARE(exam3.drugs.at(0).Name, QStringLiteral("Drug 1"));
    QCOMPARE(exam3.drugs.at(1).Name, QStringLiteral("Drug 6"));

    QCOMPARE(heartReader.failure(path),
             QStringLiteral(
                 "The drug database \"F_Heart.mdb\" has no value in field \"Dose\" of row 3 of table \"heart_drug\"."));
}

void TestDrugDatabase::oesoRowsAreTrimmedSingles()
{
    const QString path = build(oesoDrugLayout(),
                               {DrugFixtures::oesoRow(QStringLiteral(" Ringer  ")),
                                with(DrugFixtures::oesoRow(QStringLiteral("Atropine")),
                                     {{QStringLiteral("speed1"), QStringLiteral("12.5")},
                                      {QStringLiteral("speed2"), QStringLiteral("'16'")},
                                      {QStringLiteral("time1"), QStringLiteral("260")},
                                      {QStringLiteral("time2"), QStringLiteral("295.25")}})});
    const DrugReading<OesoDrug> reading = readOesoDrugs(path);
    QVERIFY2(reading.ok(), qPrintable(reading.error.text()));
    QCOMPARE(reading.drugs.size(), 2);
    QCOMPARE(reading.drugs.at(0).Drug, QStringLiteral("Ringer"));
    const OesoDrug &atropine = reading.drugs.at(1);
    QCOMPARE(atropine.Drug, QStringLiteral("Atropine"));
    QCOMPARE(atropine.speed1, 12.5f);
    QCOMPARE(atropine.speed2, 16.0f);
    QCOMPARE(atropine.time1, 260.0f);
    QCOMPARE(atropine.time2, 295.25f);
}

void TestDrugDatabase::rabCodesAndPupilChanges()
{
    const QString path = build(rabDrugLayout(),
                               {with(DrugFixtures::rabRow(QStringLiteral(" Atropine ")),
                                     {{QStringLiteral("L_Reflex"), QStringLiteral("' B '")},
                                      {QStringLiteral("C_Reflex"), QStringLiteral("''")},
                                      {QStringLiteral("I_Tension"), QStringLiteral("' I'")},
                                      {QStringLiteral("P_size1"), QStringLiteral("-2.5")},
                                      {QStringLiteral("P_size2"), QStringLiteral("2.5")}}),
                                with(DrugFixtures::rabRow(QStringLiteral("Saline")),
                                     {{QStringLiteral("I_Tension"), QStringLiteral("'Decreased '")},
                                      {QStringLiteral("P_size1"), QStringLiteral("-84")},
                                      {QStringLiteral("P_size2"), QStringLiteral("3.5")}})});
    const DrugReading<RabDrug> reading = readRabDrugs(path);
    QVERIFY2(reading.ok(), qPrintable(reading.error.text()));
    QCOMPARE(reading.drugs.size(), 2);
    const RabDrug &first = reading.drugs.at(0);
    QCOMPARE(first.D_Name, QStringLiteral("Atropine"));
    QCOMPARE(first.L_Reflex, QChar(u'B'));  // trimmed before the first character is taken
    QCOMPARE(first.C_Reflex, QChar(u' '));  // an empty text gives a blank code
    QCOMPARE(first.I_Tension, QChar(u' ')); // not trimmed: the leading blank is the code
    QCOMPARE(first.P_size1, qint16(-2));
    QCOMPARE(first.P_size2, qint16(2));
    const RabDrug &last = reading.drugs.at(1);
    QCOMPARE(last.I_Tension, QChar(u'D'));
    QCOMPARE(last.P_size1, qint16(-84));
    QCOMPARE(last.P_size2, qint16(4));
}

void TestDrugDatabase::readingLeavesTheFileAsItWas()
{
    const QString path = build(rabDrugLayout(), {DrugFixtures::rabRow(QStringLiteral("Saline"))});
    const QStringList before = folderContents(m_dir->path());
    const QByteArray bytes = fingerprint(path);
    QVERIFY(readRabDrugs(path).ok());
    QVERIFY(readRabDrugs(path).ok());
    QCOMPARE(folderContents(m_dir->path()), before);
    QCOMPARE(fingerprint(path), bytes);
}

void TestDrugDatabase::failureIsReportedNotFatal_data()
{
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<Fixture>("fixture");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    const auto heart = [](const QList<Row> &rows, const QStringList &fields = {}) {
        return DrugFixtures::script(heartDrugLayout(), rows, fields);
    };
    const Row heartRow = DrugFixtures::heartRow(QStringLiteral("Epinephrine"));
    const Row oesoRow = DrugFixtures::oesoRow(QStringLiteral("Ringer"));
    const Row rabRow = DrugFixtures::rabRow(QStringLiteral("Saline"));
    const QString heartFile = QStringLiteral("The drug database \"F_Heart.mdb\" ");
    const QString oesoFile = QStringLiteral("The drug database \"f_oeso.mdb\" ");
    const QString rabFile = QStringLiteral("The drug database \"Rab_Eye.mdb\" ");

    QTest::newRow("missing heart file") << heartReader << Fixture::NoFile << QString() << heartFile + "was not found.";
    QTest::newRow("missing rabbit file") << rabReader << Fixture::NoFile << QString() << rabFile + "was not found.";
    QTest::newRow("oesophagus file that is no database")
        << oesoReader << Fixture::Garbage << QString() << oesoFile + "cannot be read: file is not a database.";
    QTest::newRow("heart table missing") << heartReader << Fixture::Database
                                         << QStringLiteral("CREATE TABLE heart_drugs (Name);")
                                         << heartFile + "has no table \"heart_drug\".";
    QTest::newRow("rabbit table missing")
        << rabReader << Fixture::Database << QStringLiteral("CREATE TABLE Oeso (Drug);")
        << rabFile + "has no table \"R_Eye\".";
    QTest::newRow("heart field missing") << heartReader << Fixture::Database
                                         << heart({heartRow}, heartDrugLayout().fields.mid(0, 8))
                                         << heartFile + "has no field \"hr_indicator\" in table \"heart_drug\".";
    QTest::newRow("heart name null") << heartReader << Fixture::Database << heart(oneRowWith(heartRow, "Name", "NULL"))
                                     << heartFile + "has no value in field \"Name\" of row 1 of table \"heart_drug\".";
    QTest::newRow("rabbit pupil change null")
        << rabReader << Fixture::Database
        << DrugFixtures::script(rabDrugLayout(), oneRowWith(rabRow, "P_size2", "NULL"))
        << rabFile + "has no value in field \"P_size2\" of row 1 of table \"R_Eye\".";
    QTest::newRow("heart byte above 255")
        << heartReader << Fixture::Database << heart({heartRow, with(heartRow, {{"L_End", "256"}})})
        << heartFile + "holds 256 in field \"L_End\" of row 2 of table \"heart_drug\", outside 0 to 255.";
    QTest::newRow("heart half rounding above 255")
        << heartReader << Fixture::Database << heart(oneRowWith(heartRow, "hr_END", "255.5"))
        << heartFile + "holds 255.5 in field \"hr_END\" of row 1 of table \"heart_drug\", outside 0 to 255.";
    QTest::newRow("heart byte below 0") << heartReader << Fixture::Database
                                        << heart(oneRowWith(heartRow, "hr_START", "-1"))
                                        << heartFile
            + "holds -1 in field \"hr_START\" of row 1 of table \"heart_drug\", outside 0 to 255.";
    QTest::newRow("heart dose beyond single precision")
        << heartReader << Fixture::Database << heart(oneRowWith(heartRow, "Dose", "1e300"))
        << heartFile
            + "holds 1e+300 in field \"Dose\" of row 1 of table \"heart_drug\", outside the range of a "
              "single-precision number.";
    QTest::newRow("oesophagus interval as words")
        << oesoReader << Fixture::Database
        << DrugFixtures::script(oesoDrugLayout(), oneRowWith(oesoRow, "time1", "'fast'"))
        << oesoFile + "holds \"fast\" in field \"time1\" of row 1 of table \"Oeso\", which is not a number.";
    QTest::newRow("rabbit pupil change beyond 16 bits")
        << rabReader << Fixture::Database
        << DrugFixtures::script(rabDrugLayout(), oneRowWith(rabRow, "P_size1", "-40000"))
        << rabFile + "holds -40000 in field \"P_size1\" of row 1 of table \"R_Eye\", outside -32768 to 32767.";
    QTest::newRow("oesophagus table empty")
        << oesoReader << Fixture::Database << DrugFixtures::script(oesoDrugLayout(), {})
        << oesoFile + "has no rows in table \"Oeso\".";
    QTest::newRow("heart with eleven rows")
        << heartReader << Fixture::Database << heart(heartRows(11))
        << heartFile + "has 11 rows in table \"heart_drug\"; at most 10 can be used.";
    QTest::newRow("third examination with five rows")
        << heartExam3Reader << Fixture::Database << heart(heartRows(5))
        << heartFile + "has only 5 rows in table \"heart_drug\"; at least 6 are needed.";
}

void TestDrugDatabase::failureIsReportedNotFatal()
{
    QFETCH(Reader, reader);
    QFETCH(Fixture, fixture);
    QFETCH(QString, script);
    QFETCH(QString, expected);

    // Every reader is handed a file under the name its practical opens.
    const QString fileName = expected.section(QLatin1Char('"'), 1, 1);
    const QString path = m_dir->filePath(fileName);
    if (fixture == Fixture::Garbage) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Three drugs, written as a list by hand.\n");
    } else if (fixture == Fixture::Database) {
        QCOMPARE(SqlScript::createDatabase(path, script), QString());
    }
    const QStringList before = folderContents(m_dir->path());

    QCOMPARE(reader.failure(path), expected);
    QCOMPARE(folderContents(m_dir->path()), before); // no file created, the missing one included
}

void TestDrugDatabase::studentMessageSaysThePracticalCannotStart()
{
    const DrugReading<RabDrug> reading = readRabDrugs(m_dir->filePath(rabDrugLayout().fileName));
    QVERIFY(!reading.ok());
    QCOMPARE(reading.error.fileName(), QStringLiteral("Rab_Eye.mdb"));
    QCOMPARE(reading.error.studentMessage(),
             QStringLiteral("The drug database \"Rab_Eye.mdb\" was not found.\n\n"
                            "The practical cannot start. Please tell your supervisor."));
}

QTEST_GUILESS_MAIN(TestDrugDatabase)
#include "tst_drug_database.moc"
