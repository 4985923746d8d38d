#pragma once

#include <QString>
#include <QVector>

// What went wrong with a drug database: the file's name (never its folder)
// and one sentence saying what is wrong with it. A default-constructed error
// means nothing went wrong.
class DatabaseError
{
public:
    DatabaseError() = default;
    // problem continues the sentence after the file's name, e.g.
    // "has no table \"heart_drug\"."
    DatabaseError(QString fileName, QString problem);

    bool isError() const { return !m_problem.isEmpty(); }
    const QString &fileName() const { return m_fileName; }

    // "The drug database "F_Heart.mdb" has no table "heart_drug"."
    QString text() const;
    // The text as the student sees it in the experiment window's message box.
    QString studentMessage() const;

private:
    QString m_fileName;
    QString m_problem;
};

// The drugs a reader took from its file, in the file's row order, or the
// reason it could not take them (then drugs is empty).
template <typename Drug> struct DrugReading
{
    QVector<Drug> drugs;
    DatabaseError error;

    bool ok() const { return !error.isError(); }
};
