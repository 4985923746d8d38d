#include "core/database/sql_script.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSqlScript : public QObject
{
    Q_OBJECT

private slots:
    void statements_data();
    void statements();
    void existingFileIsNeverOverwritten();
    void failingScriptLeavesNoFile();
};

void TestSqlScript::statements_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("semicolons end statements") << "CREATE TABLE t (a);\nINSERT INTO t VALUES (1);\n"
                                               << QStringList{"CREATE TABLE t (a)", "INSERT INTO t VALUES (1)"};
    QTest::newRow("last statement without semicolon") << "SELECT 1; SELECT 2" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("semicolon inside a text") << "INSERT INTO t VALUES ('a; b', 'it''s; here');"
                                             << QStringList{"INSERT INTO t VALUES ('a; b', 'it''s; here')"};
    QTest::newRow("semicolon inside a name")
        << "CREATE TABLE [x;y] (\"a;b\");" << QStringList{"CREATE TABLE [x;y] (\"a;b\")"};
    QTest::newRow("comments left out") << "-- one; two\nSELECT /* three; */ 1;\n-- four" << QStringList{"SELECT   1"};
    QTest::newRow("blank statements dropped") << " ;; \n ; " << QStringList();
}

void TestSqlScript::statements()
{
    QFETCH(QString, script);
    QFETCH(QStringList, expected);
    QCOMPARE(SqlScript::statements(script), expected);
}

void TestSqlScript::existingFileIsNeverOverwritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("F_Heart.mdb"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    QCOMPARE(SqlScript::createDatabase(path, QStringLiteral("CREATE TABLE t (a);")),
             QStringLiteral("\"F_Heart.mdb\" already exists."));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept"));
}

void TestSqlScript::failingScriptLeavesNoFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f_oeso.mdb"));
    QCOMPARE(SqlScript::createDatabase(path, QStringLiteral("CREATE TABLE t (a); INSERT INTO u VALUES (1);")),
             QStringLiteral("statement 2 (INSERT INTO u VALUES (1)): no such table: u"));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestSqlScript)
#include "tst_sql_script.moc"
