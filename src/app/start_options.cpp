#include "app/start_options.h"

#include "core/design_scale.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace StartOptions {

namespace {

const QString ScaleName = QStringLiteral("scale");

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Simulated pharmacology practicals: the frog heart, the guinea-pig ileum, the frog "
                       "oesophagus and the rabbit eye.\n\nThe windows are laid out for an 800 x 600 screen and "
                       "shown as large as the screen allows, unless a factor is chosen here or in QT_SCALE_FACTOR "
                       "or QT_SCREEN_SCALE_FACTORS."));
    // -reverse, -style and the like are Qt's, not bundles of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(ScaleName,
                                        QStringLiteral("Show the program at <factor> times its design size "
                                                       "(1: 800 x 600 pixels) instead of fitting it to the screen."),
                                        QStringLiteral("factor")));
}

[[noreturn]] void refuse(const QString &message)
{
    std::fprintf(stderr, "vivosim: %s\nTry 'vivosim --help' for the options.\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

} // namespace

Choice readBeforeStart(int argc, char **argv)
{
    // A core application of its own, on a copy of the arguments, so that the
    // real one still gets them all; it needs no display, so --help works on a
    // terminal too.
    int count = argc;
    std::vector<char *> copy(argv, argv + argc);
    copy.push_back(nullptr);
    QCoreApplication reader(count, copy.data());
    QCoreApplication::setApplicationName(QStringLiteral("Vivosim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIVOSIM_VERSION));
    QCommandLineParser parser;
    describe(parser);
    // Qt's own options are still among the arguments: an unknown one is left
    // for refuseUnknown, which sees them after Qt has taken its own.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(EXIT_SUCCESS);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    Choice choice;
    if (parser.isSet(ScaleName)) {
        const QString given = parser.value(ScaleName);
        choice.scale = DesignScale::parseFactor(given);
        if (!choice.scale)
            refuse(QStringLiteral("the scale must be a number from 0.5 to 8, not '%1'.").arg(given));
    }
    return choice;
}

void refuseUnknown(const QCoreApplication &app)
{
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(app.arguments()))
        refuse(parser.errorText());
}

} // namespace StartOptions
