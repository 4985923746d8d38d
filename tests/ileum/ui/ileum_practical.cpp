#include "ileum/ui/ileum_practical.h"

#include "ileum/ui/ileum_windows.h"
#include "shell/shell_fixture.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_image.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/recorder/recorder_config.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QLineEdit>
#include <QPainter>
#include <QTest>

const QString IleumPractical::Password = QStringLiteral("sup1");

IleumPractical::IleumPractical(Mode mode, QVector<float> draws)
    : chance(std::move(draws))
{
    ShellFixture::setUp();
    IleumWindows::define(ShellFixture::practicals().ileum);
    if (mode == Mode::Tutorial)
        ShellFixture::chooseTutorial(WindowNames::IleumFront);
    else
        ShellFixture::chooseExamination(WindowNames::IleumFront, Password);
}

IleumPractical::~IleumPractical()
{
    TestWindows::unloadEverything();
}

Frm_Ileum *IleumPractical::window() const
{
    return WindowRegistry::find<Frm_Ileum>(WindowNames::Ileum);
}

void IleumPractical::click(const QString &button)
{
    WindowProbe::click(window(), button);
}

void IleumPractical::type(const QString &box, const QString &text)
{
    auto *edit = control<QLineEdit>(box);
    QVERIFY2(edit, qPrintable(box));
    edit->clear();
    QTest::keyClicks(edit, text);
}

QString IleumPractical::text(const QString &box) const
{
    return WindowProbe::text(window(), box);
}

void IleumPractical::acceptStandard(const QString &standard)
{
    click(QStringLiteral("Cmd_MatchAssay"));
    type(QStringLiteral("Txt_stddose"), standard);
    click(QStringLiteral("Cmd_stddose"));
}

const PaperImage &IleumPractical::paper() const
{
    return window()->recorder()->paper()->image();
}

QImage IleumPractical::paperPicture() const
{
    return pictureOf(paper());
}

PaperImage blankIleumPaper(int width)
{
    const RecorderConfig config = RecorderConfig::ileum();
    return PaperImage(width, config.viewportPixels().height(), config.paperColour, config.inkColour);
}

QImage pictureOf(const PaperImage &paper)
{
    QImage picture(paper.width(), paper.height(), QImage::Format_RGB32);
    QPainter painter(&picture);
    paper.paint(painter, QRect(0, 0, paper.width(), paper.height()));
    return picture;
}

PaperImage firstContraction(int peak, const QString &label)
{
    PaperImage paper = blankIleumPaper(537);
    paper.drawLine(QPoint(487, 185), QPoint(507, 185));
    paper.drawLine(QPoint(467, 185), QPoint(471, peak - 3));
    paper.drawLine(QPoint(486, 185), QPoint(486, peak));
    paper.drawArc(QPoint(478, peak + 20), 30.0, 3.0, 0.7, 2.4);
    paper.drawText(QPoint(467, 195), label, PaperWidget::labelFont());
    return paper;
}
