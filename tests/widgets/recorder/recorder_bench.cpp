// Prints the recorder's costs, one "name value unit" line each: an advance with
// its stroke near the start and near the end of a full paper, a repaint of the
// viewport, printing a full recording to PDF, and the memory of two full papers.
// The same figures follow for screens at twice the scale and at 1.8 times it
// (a 1920 x 1080 screen), each name ending in "_at_2x" or "_at_1.8x": the
// bench runs itself again with QT_SCALE_FACTOR set to each.
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/recorder/recording_render.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int Samples = 300;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// One heart tick: the paper moves a pixel and the beat stroke is drawn at the
// pen, then the window repaints what changed.
void tick(ChartRecorder &recorder, int jitter)
{
    recorder.AdvancePaper(1);
    const int x = recorder.bookkeeping().paperWidth() - 10;
    recorder.paper()->drawLine(QPoint(x, 50 + jitter), QPoint(x, 80 + jitter));
    QCoreApplication::processEvents();
}

// Median microseconds of one tick over the next Samples ticks.
double tickMicroseconds(ChartRecorder &recorder)
{
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < Samples; ++i) {
        clock.start();
        tick(recorder, i % 4);
        times.push_back(clock.nsecsElapsed() / 1000.0);
    }
    return median(times);
}

// The paper repaints what the viewport shows of it.
double repaintMicroseconds(ChartRecorder &recorder)
{
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < Samples; ++i) {
        clock.start();
        recorder.paper()->repaint();
        times.push_back(clock.nsecsElapsed() / 1000.0);
    }
    return median(times);
}

double printMilliseconds(const PaperImage &paper, const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    QElapsedTimer clock;
    clock.start();
    QString failure;
    if (!RecordingRender::renderRecording(printer, paper, &failure))
        QTextStream(stderr) << failure << '\n';
    return clock.nsecsElapsed() / 1.0e6;
}

void fillIleum(ChartRecorder &recorder)
{
    while (!recorder.IsPaperFull()) {
        recorder.AdvancePaper(40);
        const int w = recorder.bookkeeping().paperWidth();
        recorder.paper()->drawLine(QPoint(w - 50, 185), QPoint(w - 30, 185));
        recorder.paper()->drawArc(QPoint(w - 59, 80), 30, 3, 0.7, 2.4);
        recorder.paper()->drawText(QPoint(w - 70, 195), QStringLiteral("0.1"));
    }
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Run again by itself with a scale as its argument.
    const QByteArray scale = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    qputenv("QT_SCALE_FACTOR", scale.isEmpty() ? "1" : scale);
    QApplication app(argc, argv);
    const QString suffix = scale.isEmpty() ? QString() : QStringLiteral("_at_%1x").arg(QString::fromLatin1(scale));
    QTextStream out(stdout);

    QWidget heartWindow;
    heartWindow.resize(800, 600);
    ChartRecorder heart(RecorderConfig::heart(), &heartWindow);
    QWidget ileumWindow;
    ileumWindow.resize(800, 600);
    ChartRecorder ileum(RecorderConfig::ileum(), &ileumWindow);
    heartWindow.show();
    ileumWindow.show();
    QCoreApplication::processEvents();
    heart.RecorderSetUp();
    ileum.RecorderSetUp();

    const double nearStart = tickMicroseconds(heart);
    while (heart.bookkeeping().paperWidth() < PaperBookkeeping::MaxPaperWidth - Samples)
        tick(heart, 0);
    const double nearEnd = tickMicroseconds(heart);
    out << "advance_and_stroke_at_337px" << suffix << " " << nearStart << " us\n";
    out << "advance_and_stroke_at_16383px" << suffix << " " << nearEnd << " us\n";
    out << "advance_cost_ratio_16383_to_337" << suffix << " " << nearEnd / nearStart << " x\n";
    out << "repaint_visible_viewport" << suffix << " " << repaintMicroseconds(heart) << " us\n";

    fillIleum(ileum);
    QTemporaryDir folder;
    out << "print_full_heart_recording_to_pdf" << suffix << " "
        << printMilliseconds(heart.paper()->image(), folder.filePath(QStringLiteral("heart.pdf"))) << " ms\n";
    out << "print_full_ileum_recording_to_pdf" << suffix << " "
        << printMilliseconds(ileum.paper()->image(), folder.filePath(QStringLiteral("ileum.pdf"))) << " ms\n";
    const qint64 bytes = heart.paper()->image().bytesHeld() + ileum.paper()->image().bytesHeld();
    out << "memory_two_full_papers" << suffix << " " << bytes / (1024.0 * 1024.0) << " MiB\n";
    out.flush();
    if (!scale.isEmpty())
        return 0;
    for (const QString &again : {QStringLiteral("2"), QStringLiteral("1.8")}) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedChannels);
        run.start(QCoreApplication::applicationFilePath(), {again});
        run.waitForFinished(-1);
        if (run.exitCode() != 0)
            return run.exitCode();
    }
    return 0;
}
