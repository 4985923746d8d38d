#include "core/recorder/print_layout.h"
#include "support/windows/message_box_script.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/recorder/pdf_pages.h"
#include "widgets/recorder/recording_print.h"
#include "widgets/recorder/recording_render.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Answer = MessageBoxes::Answer;

// A heart recorder grown to the given width, one beat stroke per pixel.
struct Recording
{
    explicit Recording(int width)
        : recorder(new ChartRecorder(RecorderConfig::heart(), &window))
    {
        recorder->RecorderSetUp();
        while (recorder->bookkeeping().paperWidth() < width) {
            recorder->AdvancePaper(1);
            const int x = recorder->bookkeeping().paperWidth() - 10;
            recorder->paper()->drawLine(QPoint(x, 50), QPoint(x, 80));
        }
    }

    void print() { recorder->printButton()->click(); }

    QWidget window;
    ChartRecorder *recorder;
};

// A landscape A4 sheet (11.69 x 8.27 inches), white, at the given dots per
// inch, mapped to twips as the print job maps its printer's page.
QImage renderedPage(const PaperImage &paper, const PrintLayout::Page &page, int dotsPerInch = 96)
{
    const QSizeF inches(16838 / 1440.0, 11906 / 1440.0);
    QImage image(qRound(inches.width() * dotsPerInch), qRound(inches.height() * dotsPerInch), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RecordingRender::mapTwips(painter, inches, image.rect());
    RecordingRender::paintPage(painter, paper, page);
    return image;
}

bool hasColour(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

void inkColumns(PaperImage &paper, int first, int count)
{
    for (int x = first; x < first + count; ++x)
        paper.drawLine(QPoint(x, 0), QPoint(x, paper.height() - 1));
}

} // namespace

class TestRecorderPrint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pageLayout_data();
    void pageLayout();
    void stripsLandWhereTheLayoutSays();
    void stripsLandInTwipsAtAnyResolution();
    void warningNoPrintsNothing();
    void noPrinterSavesPdf_data();
    void noPrinterSavesPdf();
    void pdfDeclinedWritesNothing();
    void fileChoiceCancelledWritesNothing();
    void unwritablePdfIsReported();

private:
    int m_lookups = 0;
    int m_choices = 0;
    QString m_chosenFile;
    // Answers the file dialog gives before it falls back to m_chosenFile.
    QStringList m_choiceQueue;
};

void TestRecorderPrint::init()
{
    m_lookups = m_choices = 0;
    m_chosenFile.clear();
    m_choiceQueue.clear();
    RecordingPrint::setPrinterLookup([this] {
        ++m_lookups;
        return QPrinterInfo();
    });
    RecordingPrint::setPdfFileChooser([this](QWidget *, const QString &) {
        ++m_choices;
        return m_choiceQueue.isEmpty() ? m_chosenFile : m_choiceQueue.takeFirst();
    });
}

void TestRecorderPrint::cleanup()
{
    RecordingPrint::setPrinterLookup({});
    RecordingPrint::setPdfFileChooser({});
}

void TestRecorderPrint::pageLayout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<QList<int>>>("sources");
    QTest::newRow("337 pixels: one strip") << 337 << QList<QList<int>>{{3500}};
    QTest::newRow("1110 pixels: one strip on one page") << 1110 << QList<QList<int>>{{3500}};
    QTest::newRow("1111 pixels: two strips") << 1111 << QList<QList<int>>{{3500, 17500}};
    QTest::newRow("1500 pixels: one page with two strips") << 1500 << QList<QList<int>>{{3500, 17500}};
    QTest::newRow("2300 pixels: two pages") << 2300 << QList<QList<int>>{{3500, 17500}, {31500, 45500}};
    QList<QList<int>> full;
    for (int p = 0; p < 8; ++p)
        full.append({3500 + 28000 * p, 17500 + 28000 * p});
    QTest::newRow("16383 pixels: eight pages") << 16383 << full;
}

void TestRecorderPrint::pageLayout()
{
    QFETCH(int, width);
    QFETCH(QList<QList<int>>, sources);
    const QVector<PrintLayout::Page> pages = PrintLayout::pages(width);
    QCOMPARE(PrintLayout::pageCount(width), int(sources.size()));
    QCOMPARE(pages.size(), sources.size());
    for (int p = 0; p < pages.size(); ++p) {
        QCOMPARE(pages.at(p).size(), sources.at(p).size());
        for (int s = 0; s < pages.at(p).size(); ++s) {
            const PrintLayout::Strip &strip = pages.at(p).at(s);
            QCOMPARE(strip.sourceLeft, sources.at(p).at(s));
            QCOMPARE(strip.left, 800);
            QCOMPARE(strip.top, s == 0 ? 1410 : 7610);
        }
    }
}

void TestRecorderPrint::stripsLandWhereTheLayoutSays()
{
    const QColor ink = Qt::green, dark = Qt::black, blank = Qt::white;
    PaperImage paper(1500, 169, dark, ink);
    inkColumns(paper, 232, 1);   // inside the 3500 twips never printed
    inkColumns(paper, 300, 10);  // twips 4500: page x 800 + 1000 = 1800, pixel 120
    inkColumns(paper, 1200, 10); // the lower strip starts at twips 17500: page pixel 86.7
    const QImage page = renderedPage(paper, PrintLayout::pages(1500).first());

    const int upperTop = 1410 / 15 + 1, lowerTop = 7610 / 15 + 1, rows = 168;
    QCOMPARE(page.pixelColor(120, upperTop + 80), ink);
    QCOMPARE(page.pixelColor(129, upperTop + 80), ink);
    QCOMPARE(page.pixelColor(118, upperTop + 80), dark);
    QCOMPARE(page.pixelColor(131, upperTop + 80), dark);
    QCOMPARE(page.pixelColor(90, lowerTop + 80), ink);
    QCOMPARE(page.pixelColor(80, lowerTop + 80), dark);
    // The paper ends at 1500 pixels, page pixel 386.7; beyond it the strip is blank.
    QCOMPARE(page.pixelColor(380, lowerTop + 80), dark);
    QCOMPARE(page.pixelColor(400, lowerTop + 80), blank);
    // Nothing above, between or left of the strips; the skipped column nowhere.
    QCOMPARE(page.pixelColor(120, upperTop - 3), blank);
    QCOMPARE(page.pixelColor(120, 400), blank);
    QCOMPARE(page.pixelColor(50, upperTop + 80), blank);
    QVERIFY(!hasColour(page, QRect(0, upperTop, 118, rows), ink));
    // A strip is 14000 twips: pixel 53.3 to 986.7.
    QCOMPARE(page.pixelColor(54, upperTop + 10), dark);
    QCOMPARE(page.pixelColor(985, upperTop + 10), dark);
    QCOMPARE(page.pixelColor(988, upperTop + 10), blank);
}

void TestRecorderPrint::stripsLandInTwipsAtAnyResolution()
{
    // At 200 dots per inch a twip is 200 / 1440 of a dot: paper column 300
    // lands at 1800 twips from the sheet's left edge, dot 250, and the upper
    // strip's top at 1410 twips, dot 195.8.
    PaperImage paper(1500, 169, Qt::black, Qt::green);
    inkColumns(paper, 300, 10);
    const QImage page = renderedPage(paper, PrintLayout::pages(1500).first(), 200);
    const int row = 200 * (1410 + 80 * 15) / 1440;
    QCOMPARE(page.pixelColor(252, row), QColor(Qt::green));
    QCOMPARE(page.pixelColor(246, row), QColor(Qt::black));
    QCOMPARE(page.pixelColor(252, 190), QColor(Qt::white));
    QCOMPARE(page.pixelColor(252, 200), QColor(Qt::green));
}

void TestRecorderPrint::warningNoPrintsNothing()
{
    MessageBoxScript boxes;
    boxes.answerNext(Answer::No);
    Recording recording(1500);
    recording.print();
    QCOMPARE(boxes.count(), 1);
    const MessageBoxes::Request warning = boxes.last();
    QCOMPARE(warning.text,
             QStringLiteral("You have clicked 'Print' button. Switch on the printer and keep it online "
                            "too. Your PC may hang if the default printer is NOT on line. Do you like "
                            "to continue printing?"));
    QCOMPARE(warning.title, QStringLiteral("WARNING - Printer must be ON LINE"));
    QCOMPARE(warning.buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(warning.icon, MessageBoxes::Icon::Critical);
    QCOMPARE(warning.defaultAnswer, Answer::No);
    // Not even the printer was looked for.
    QCOMPARE(m_lookups, 0);
    QCOMPARE(m_choices, 0);
}

void TestRecorderPrint::noPrinterSavesPdf_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("pages");
    QTest::newRow("1110 pixels: one page") << 1110 << 1;
    QTest::newRow("1500 pixels: one page") << 1500 << 1;
    QTest::newRow("2300 pixels: two pages") << 2300 << 2;
}

void TestRecorderPrint::noPrinterSavesPdf()
{
    QFETCH(int, width);
    QFETCH(int, pages);
    QTemporaryDir folder;
    m_chosenFile = folder.filePath(QStringLiteral("recording.pdf"));
    MessageBoxScript boxes;
    boxes.answerNext(Answer::Yes);
    boxes.answerNext(Answer::Yes);
    Recording recording(width);
    recording.print();
    QCOMPARE(m_lookups, 1);
    QCOMPARE(boxes.count(), 2);
    QVERIFY(boxes.last().text.contains(QLatin1String("No printer")));
    QCOMPARE(boxes.last().buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(m_choices, 1);

    QFile file(m_chosenFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdfPageCount(pdf), pages);
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto box = mediaBox.match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    QVERIFY2(box.captured(1).toDouble() > box.captured(2).toDouble(), "the pages are landscape");
}

void TestRecorderPrint::pdfDeclinedWritesNothing()
{
    MessageBoxScript boxes;
    boxes.answerNext(Answer::Yes);
    boxes.answerNext(Answer::No);
    Recording recording(500);
    recording.print();
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(m_choices, 0);
}

void TestRecorderPrint::fileChoiceCancelledWritesNothing()
{
    MessageBoxScript boxes;
    boxes.answerNext(Answer::Yes);
    boxes.answerNext(Answer::Yes);
    Recording recording(500);
    recording.print();
    QCOMPARE(m_choices, 1);
    QCOMPARE(boxes.count(), 2);
}

void TestRecorderPrint::unwritablePdfIsReported()
{
    QTemporaryDir folder;
    const QString unwritable = folder.filePath(QStringLiteral("no such folder/recording.pdf"));
    const QString writable = folder.filePath(QStringLiteral("recording.pdf"));
    m_choiceQueue = {unwritable, writable};
    MessageBoxScript boxes;
    boxes.answerNext(Answer::Yes);
    boxes.answerNext(Answer::Yes);
    Recording recording(500);
    recording.print();
    // The file is named, the dialog comes back, and the second choice saves.
    QCOMPARE(boxes.count(), 3);
    QVERIFY(boxes.last().text.contains(QDir::toNativeSeparators(unwritable)));
    QVERIFY(boxes.last().text.contains(QLatin1String("could not be written")));
    QCOMPARE(boxes.last().icon, MessageBoxes::Icon::Exclamation);
    QCOMPARE(m_choices, 2);
    QVERIFY(!QFile::exists(unwritable));
    QVERIFY(QFile::exists(writable));
}

QTEST_MAIN(TestRecorderPrint)
#include "tst_recorder_print.moc"
