#pragma once

#include "app/student_chance.h"
#include "app/student_clock.h"
#include "app/student_log.h"
#include "app/supervisor_watch.h"
#include "app/window_timers.h"
#include "widgets/message_boxes.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <random>

class QLineEdit;
class QWidget;

// A student who starts the program at its splash and then, for a number of
// steps, does at random one of the things a student can do in the windows on
// show: clicks a button, a picture, a list item or anywhere; chooses from a
// drop-down list; types digits, letters, blanks, points or long strings into
// a box, or the password; presses keys; drags seeds, rulers, tools, scroll
// bars and things from outside; closes or minimises a window; waits and
// watches. Between actions simulated time passes and the windows' timers run
// at full speed. Chance, the clock, message boxes, printing and drags go
// through the program's seams, so a seed replays a run exactly. After every
// step the program's rules are checked.
class RandomStudent
{
public:
    RandomStudent(quint32 seed, StudentLog &log);
    ~RandomStudent();

    // The first rule broken, with the seed and the last actions; empty when
    // the whole run kept every rule.
    QString run(int steps, bool trace = false);

    qint64 simulatedMs() const { return m_time.elapsedMs(); }
    int timeouts() const { return m_time.fired(); }
    // Every window the student has seen, in the order first seen.
    const QStringList &windowsSeen() const { return m_windowsSeen; }
    QString resultsSeen() const { return m_watch.resultsSeen(); }

private:
    using Act = bool (RandomStudent::*)(QWidget *window);
    struct Choice
    {
        int weight;
        Act act;
    };

    // The windows the student can see and reach: the program's shown and not
    // minimised, and its help windows.
    QVector<QWidget *> reachableWindows() const;
    QWidget *chooseWindow(const QVector<QWidget *> &windows);
    void act();
    // Lets the posted events and deletions through, as the event loop does
    // between two events.
    void settle();
    QString brokenRule();
    void say(const QString &action);

    bool clickControl(QWidget *window);
    bool clickAnywhere(QWidget *window);
    bool clickTwice(QWidget *window);
    bool keepClicking(QWidget *window);
    bool doubleClickSomething(QWidget *window);
    bool chooseFromDropDown(QWidget *window);
    bool typeIntoBox(QWidget *window);
    bool typePassword(QWidget *window);
    bool pressKeys(QWidget *window);
    bool dragWithMouse(QWidget *window);
    bool dragInFromOutside(QWidget *window);
    bool moveScrollBar(QWidget *window);
    bool movePointerAbout(QWidget *window);
    bool closeWindow(QWidget *window);
    bool minimiseOrRestore(QWidget *window);
    bool waitAndWatch(QWidget *window);
    bool lookAtTheScreen(QWidget *window);
    void answerOpenList(QWidget *popup);
    MessageBoxes::Answer answerBox(const MessageBoxes::Request &request);
    // The file a PDF file dialog gives: most often none, sometimes one in a
    // folder that does not exist, else fileName in the run's own folder.
    QString choosePdfFile(const QString &fileName);
    // Qt's warnings during the run break a rule: they tell of a fault that
    // the windows do not show. False for a warning expected and kept quiet.
    static void heardFromQt(QtMsgType type, const QMessageLogContext &context, const QString &message);
    bool warned(const QString &message);

    // The widget a press at a point of the window goes to, and the point in
    // its pixels; nullptr when it must not be pressed: it ends the program on
    // purpose, starts the platform's own drag loop, or is a drop-down list
    // (chosen from by chooseFromDropDown).
    QWidget *pressable(QWidget *window, QPoint inWindow, QPoint *local) const;
    // Clicks it, once or twice.
    void clickOn(QWidget *receiver, QPoint local, bool twice);
    // The window becomes the active one, as the student's click makes it.
    void reach(QWidget *window);
    // A seed or a tool picked up: where the student lets it go.
    void pictureDragged(QWidget *source, const QString &what);
    // Types the text and checks what typing may not do: change a display
    // box, or lengthen a number box beyond its typing limit or with anything
    // but digits and the point.
    void typeChecked(QLineEdit *box, const QString &text);

    int below(int n);
    bool chance(double p);
    template <class T> T pick(const QVector<T> &items) { return items.at(below(int(items.size()))); }
    QPoint somewhereIn(const QWidget *widget);
    QString randomText();
    // Mostly the password the practical's examination was opened with (the
    // student's own at a front page), now and then another.
    QString passwordAttempt(const QLineEdit *box);

    StudentLog &m_log;
    quint32 m_seed;
    std::mt19937 m_rng;
    StudentClock m_clock;
    StudentChance m_chance;
    WindowTimers m_time;
    SupervisorWatch m_watch;
    QTemporaryDir m_pdfFolder;
    // The password the student gives the front pages.
    QString m_password;
    QPointer<QWidget> m_underPointer;
    QStringList m_windowsSeen;
    QString m_fault;
    // The PDF file chosen last cannot be written.
    bool m_unwritablePdf = false;
    int m_step = 0;
};
