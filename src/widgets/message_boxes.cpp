#include "widgets/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace MessageBoxes {

namespace {

Handler &handler()
{
    static Handler h;
    return h;
}

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer fromQt(int button, Buttons buttons)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Escape or a closed box: the box's way of saying no.
    return buttons == Buttons::YesNo ? Answer::No : (buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Vivosim");
}

Answer show(QWidget *parent, const Request &request)
{
    if (handler())
        return handler()(request);
    QMessageBox box(qtIcon(request.icon), request.title.isEmpty() ? applicationTitle() : request.title, request.text,
                    qtButtons(request.buttons), parent);
    box.setDefaultButton(qtButton(request.defaultAnswer));
    return fromQt(box.exec(), request.buttons);
}

Answer inform(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    Request request;
    request.text = text;
    request.title = title;
    request.icon = icon;
    return show(parent, request);
}

void setHandler(Handler h)
{
    handler() = std::move(h);
}

} // namespace MessageBoxes
