#pragma once

#include "widgets/results_save.h"

#include <QDialog>

class EntryBox;

// The save step on screen: a small box where the supervisor may type the
// student's name, then the platform's file dialog.
class ResultsSaveDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int NameLength = 60; // characters

    ResultsSaveDialog(QWidget *parent, const QString &studentName);
    QString studentName() const;

    // Both steps; an empty file name when the supervisor gives up at either.
    static ResultsSave::Choice ask(QWidget *parent, const ResultsSave::Choice &suggestion);

private:
    EntryBox *Txt_StudentName;
};
