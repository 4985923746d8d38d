#include "heart/model/heart_state.h"

#include "core/passwords.h"

namespace Heart {

quint8 Heart_Mode = 0;
QString Heart_Password = Passwords::fixedField(QString());
quint8 Heart_Started = 0;

quint8 Heart_DrugCount = 0;
std::array<quint8, MaxDrugs + 1> Heart_UnknownUsed{};
quint8 Heart_UnknownNo = 0;
std::array<HeartExam1Result, MaxDrugs + 1> Heart_Exam1Results{};

QString Heart_Exam2Drug;
QString Heart_Exam2Answer;
quint8 Heart_Exam2Count = 0;
QVector<HeartExam2Entry> Heart_Exam2Log(1);

quint8 Heart_HeartNo = 0;
QVector<HeartExam3Row> Heart_Exam3Rates(1);
QString Heart_Exam3Drug;
QString Heart_Exam3Answer;

void resetPractical()
{
    Heart_Mode = 0;
    Heart_Password = Passwords::fixedField(QString());
    Heart_Started = 0;

    Heart_DrugCount = 0;
    Heart_UnknownUsed = {};
    Heart_UnknownNo = 0;
    Heart_Exam1Results = {};

    Heart_Exam2Drug.clear();
    Heart_Exam2Answer.clear();
    Heart_Exam2Count = 0;
    Heart_Exam2Log = QVector<HeartExam2Entry>(1);

    // Examination 3's rows are cleared too: a stage starts by resizing them
    // with their contents kept, so rows left from the previous practical
    // would otherwise show up in the next student's results.
    Heart_HeartNo = 0;
    Heart_Exam3Rates = QVector<HeartExam3Row>(1);
    Heart_Exam3Drug.clear();
    Heart_Exam3Answer.clear();
}

} // namespace Heart
