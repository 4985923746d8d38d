#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so tests can answer
// them without a modal loop.
namespace MessageBoxes {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

struct Request
{
    QString text;
    QString title; // empty means the application's title "Vivosim"
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultAnswer = Answer::Ok;
};

using Handler = std::function<Answer(const Request &)>;

// Shows the box modally and returns the button chosen.
Answer show(QWidget *parent, const Request &request);
Answer inform(QWidget *parent, const QString &text, const QString &title = QString(), Icon icon = Icon::None);

// Routes every box to the handler instead of the screen; an empty handler
// restores the real boxes.
void setHandler(Handler handler);

QString applicationTitle();

} // namespace MessageBoxes
