#include "app/supervisor_watch.h"

#include "shell/practicals.h"
#include "widgets/form_window.h"
#include "widgets/input_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace {

bool shown(const QString &window, const QString &control = QString())
{
    const FormWindow *found = WindowRegistry::find(window);
    if (!found || !found->isVisible())
        return false;
    if (control.isEmpty())
        return true;
    const QWidget *part = found->findChild<QWidget *>(control);
    return part && part->isVisible();
}

} // namespace

SupervisorWatch::SupervisorWatch(const Practicals &p)
{
    const Practicals *practicals = &p;
    m_practicals = {
        {QStringLiteral("heart"),
         WindowNames::HeartFront,
         {WindowNames::Heart, WindowNames::HeartTable, WindowNames::HeartQuestion},
         [practicals] {
             return practicals->heart.Heart_Mode != Heart::Mode::Tutorial && shown(WindowNames::HeartTable);
         }},
        {QStringLiteral("ileum"),
         WindowNames::IleumFront,
         {WindowNames::Ileum, WindowNames::IleumExam, WindowNames::IleumQuestion},
         [] { return shown(WindowNames::IleumExam, QStringLiteral("Fra_Super")); }},
        {QStringLiteral("oesophagus"),
         WindowNames::OesoFront,
         {WindowNames::Oesophagus, WindowNames::OesoTable, WindowNames::OesoQuestion},
         [practicals] {
             return practicals->oesophagus.Oeso_Mode == Mod_Oeso::Mode::Examination
                 && shown(WindowNames::OesoTable, QStringLiteral("Frame_Grid"));
         }},
        {QStringLiteral("rabbit"),
         WindowNames::RabbitFront,
         {WindowNames::Rabbit, WindowNames::RabbitTable},
         [practicals] {
             return practicals->rabbit.Rab_Mode != Rab_eye::Mode::Tutorial
                 && shown(WindowNames::RabbitTable, QStringLiteral("Frametab"));
         }},
    };
}

void SupervisorWatch::look()
{
    for (int i = 0; i < m_practicals.size(); ++i) {
        Practical &p = m_practicals[i];
        FormWindow *front = WindowRegistry::find(p.frontPage);
        if (front && front != p.frontSeen) {
            // The front page's load started the practical afresh.
            p.frontSeen = front;
            p.password.clear();
            p.passwordSet = false;
            p.supervisorAccepted = false;
        }
        const bool onShow = p.resultsShown();
        if (onShow && !p.resultsOnShow)
            ++p.resultsShownTimes;
        p.resultsOnShow = onShow;
        if (front) {
            for (PasswordGateway *gateway : front->findChildren<PasswordGateway *>())
                follow(gateway, i, true);
        }
        for (const QString &name : p.windows) {
            if (FormWindow *window = WindowRegistry::find(name)) {
                for (PasswordGateway *gateway : window->findChildren<PasswordGateway *>())
                    follow(gateway, i, false);
            }
        }
    }
}

void SupervisorWatch::follow(PasswordGateway *gateway, int practical, bool frontPage)
{
    for (const QPointer<PasswordGateway> &followed : std::as_const(m_followed)) {
        if (followed == gateway)
            return;
    }
    m_followed.removeAll(QPointer<PasswordGateway>());
    m_followed.append(gateway);
    const QPointer<PasswordGateway> watched(gateway);
    connect(gateway, &PasswordGateway::accepted, this, [this, watched, practical, frontPage](const QString &stored) {
        Practical &p = m_practicals[practical];
        if (frontPage) {
            p.password = stored;
            p.passwordSet = true;
            return;
        }
        const QString typed = watched ? watched->entry()->text() : QString();
        if (!m_fault.isEmpty())
            return;
        if (!p.passwordSet)
            m_fault = QStringLiteral("%1 accepted \"%2\" in the %3 practical before its front page set a password")
                          .arg(watched ? watched->objectName() : QString(), typed, p.name);
        else if (typed.trimmed().toUpper() != p.password.trimmed())
            m_fault = QStringLiteral("%1 accepted \"%2\" in the %3 practical, whose password is \"%4\"")
                          .arg(watched ? watched->objectName() : QString(), typed, p.name, p.password);
        p.supervisorAccepted = true;
    });
}

QString SupervisorWatch::resultsSeen() const
{
    QStringList seen;
    for (const Practical &p : m_practicals)
        seen << QStringLiteral("%1 %2").arg(p.name).arg(p.resultsShownTimes);
    return seen.join(QStringLiteral(", "));
}

QString SupervisorWatch::passwordFor(const QWidget *window) const
{
    for (const Practical &p : m_practicals) {
        if (p.passwordSet && (window->objectName() == p.frontPage || p.windows.contains(window->objectName())))
            return p.password;
    }
    return QString();
}

QString SupervisorWatch::broken() const
{
    if (!m_fault.isEmpty())
        return m_fault;
    for (const Practical &p : m_practicals) {
        if (p.resultsShown() && !p.supervisorAccepted)
            return QStringLiteral("the %1 examination's results are shown without the supervisor's password")
                .arg(p.name);
    }
    return QString();
}
