#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class FormWindow;
class PasswordGateway;
struct Practicals;

// Watches the examination gateways of the four practicals. A practical
// begins when its front page is loaded; its examination opens with the
// password the front page accepts. An examination's results may show only
// after a gateway of the practical has accepted that same password since the
// practical began; a gateway that accepts any other text breaks the rule too.
class SupervisorWatch final : public QObject
{
    Q_OBJECT

public:
    explicit SupervisorWatch(const Practicals &practicals);

    // After every action: follows the gateways of windows loaded since, and
    // notices the practicals begun afresh.
    void look();
    // The first rule broken, or an empty text.
    QString broken() const;
    // How often each practical's examination results came on show, for the
    // run's summary: "heart 2, ileum 0, ...".
    QString resultsSeen() const;
    // The password the front page of the window's practical accepted last,
    // which the supervisor knows; empty when there is none.
    QString passwordFor(const QWidget *window) const;

private:
    struct Practical
    {
        Practical(const QString &name, const QString &frontPage, const QStringList &windows,
                  std::function<bool()> resultsShown)
            : name(name)
            , frontPage(frontPage)
            , windows(windows)
            , resultsShown(std::move(resultsShown))
        {
        }
        QString name;
        QString frontPage;
        QStringList windows;
        // The examination's results on show.
        std::function<bool()> resultsShown;
        QPointer<FormWindow> frontSeen;
        QString password;
        bool passwordSet = false;
        bool supervisorAccepted = false;
        bool resultsOnShow = false;
        int resultsShownTimes = 0;
    };
    void follow(PasswordGateway *gateway, int practical, bool frontPage);

    QList<Practical> m_practicals;
    QList<QPointer<PasswordGateway>> m_followed;
    QString m_fault;
};
