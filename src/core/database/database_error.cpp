#include "core/database/database_error.h"

DatabaseError::DatabaseError(QString fileName, QString problem)
    : m_fileName(std::move(fileName))
    , m_problem(std::move(problem))
{
}

QString DatabaseError::text() const
{
    return QStringLiteral("The drug database \"%1\" %2").arg(m_fileName, m_problem);
}

QString DatabaseError::studentMessage() const
{
    return text() + QStringLiteral("\n\nThe practical cannot start. Please tell your supervisor.");
}
