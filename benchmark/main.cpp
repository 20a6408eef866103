// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// Measures what the window adds to a conversion: each round converts one MP3 through
// the main window (Convert clicked, the tools waited for in the window's event loop)
// and then runs the same three tool commands directly with blocking waits. Prints the
// medians, the window/direct wall-time ratio and the program's own CPU time during the
// window conversion as a share of its wall time.
//
// It also times the reading of a 10 MB input's headers, as choosing the file does.
//
// Then it starts itself again as the program, in child modes that run the application's
// own start-up: the time from starting such a process to the main window's first paint,
// and the peak resident memory of a process that converts once through that window.
// A child mode is chosen by the first argument, ahead of the application object, which
// then sees a command line as bare as a plain start of the program.

#include "FirstPaintWatch.h"
#include "InputAudio.h"
#include "IntermediateNames.h"
#include "ToolParameters.h"
#include "ToolSet.h"
#include "TovalinApplication.h"
#include "WindowFixture.h"
#include "WindowsCommandLine.h"

#include <QCheckBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr double RatioGoal = 1.05;
constexpr double CpuShareGoal = 0.05;
constexpr double StartupGoalMs = 300;
constexpr double OwnPeakGoalMiB = 80;
// Choosing a file reads its headers in the window's thread: it must not be felt.
constexpr double InputReadingGoalMs = 50;
// How long a child process may take to answer or to end.
constexpr int ChildTimeoutMs = 120'000;
constexpr const char* StartupChild = "--startup-child";
// Followed by the input and the output path.
constexpr const char* ConversionChild = "--conversion-child";

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "tovalin_benchmark: %s\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

// User plus system time of this process alone; the tools are children and not counted.
double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void requireOutput(const QString& path, const QString& what)
{
    if (QFileInfo(path).size() <= 0)
        fail(QStringLiteral("%1 produced no %2").arg(what, path));
}

// A minute of a few mixed tones with a slow tremolo, made by the fader tool itself.
void makeInput(const ToolSet& tools, const QString& path)
{
    QProcess sox;
    sox.setStandardInputFile(QProcess::nullDevice());
    sox.start(tools.path(ToolSet::Role::Fader),
              {QStringLiteral("-n"),    QStringLiteral("-r"),      QStringLiteral("44100"),
               QStringLiteral("-c"),    QStringLiteral("2"),       path,
               QStringLiteral("synth"), QStringLiteral("60"),      QStringLiteral("sine"),
               QStringLiteral("220"),   QStringLiteral("sine"),    QStringLiteral("330"),
               QStringLiteral("sine"),  QStringLiteral("440"),     QStringLiteral("sine"),
               QStringLiteral("554"),   QStringLiteral("remix"),   QStringLiteral("1,3"),
               QStringLiteral("2,4"),   QStringLiteral("tremolo"), QStringLiteral("3"),
               QStringLiteral("40"),    QStringLiteral("norm"),    QStringLiteral("-3")});
    if (!sox.waitForFinished(-1) || sox.exitStatus() != QProcess::NormalExit || sox.exitCode() != 0)
        fail(QStringLiteral("could not make the input file: ") + QString::fromLocal8Bit(sox.readAllStandardError()));
    requireOutput(path, QStringLiteral("the input generator"));
}

ConversionRequest sampleRequest(const QString& input, const QString& output)
{
    return {input, output, QStringLiteral("0:20"), QStringLiteral("0:50"), QStringLiteral("5"), QStringLiteral("5")};
}

struct Timing {
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

Timing convertThroughWindow(WindowFixture& windows, const ConversionRequest& request)
{
    windows.control<QCheckBox>("CheckBox1")->setChecked(false);
    // The conversion runs whole inside Convert's click, in the window's nested waits.
    QElapsedTimer wall;
    const double cpuBefore = ownCpuSeconds();
    wall.start();
    windows.convert(request);
    const Timing timing{double(wall.nsecsElapsed()) / 1e9, ownCpuSeconds() - cpuBefore};

    const QStringList log = windows.log();
    if (log.isEmpty() || log.last() != QLatin1String("Done."))
        fail(QStringLiteral("the window conversion did not finish:\n") + log.join(QLatin1Char('\n')));
    requireOutput(request.outputPath, QStringLiteral("the window conversion"));
    return timing;
}

Timing convertDirectly(const ToolSet& tools, const ConversionRequest& request)
{
    const IntermediateNames names = IntermediateNames::forOutput(request.outputPath);
    QElapsedTimer wall;
    wall.start();
    for (const ToolParameters::Step& step : ToolParameters::steps(request, names)) {
        QProcess tool;
        tool.setStandardInputFile(QProcess::nullDevice());
        tool.setStandardOutputFile(QProcess::nullDevice());
        tool.start(tools.path(step.role), WindowsCommandLine::split(step.parameters));
        if (!tool.waitForFinished(-1) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0
            || !QFileInfo::exists(step.product)) {
            fail(QStringLiteral("the %1 run directly failed: %2")
                     .arg(ToolSet::roleWord(step.role), QString::fromLocal8Bit(tool.readAllStandardError())));
        }
    }
    QFile::remove(names.faded());
    QFile::remove(names.cut());
    if (!QFile::rename(names.encoded(), request.outputPath))
        fail(QStringLiteral("could not rename %1 to %2").arg(names.encoded(), request.outputPath));
    const Timing timing{double(wall.nsecsElapsed()) / 1e9, 0};

    requireOutput(request.outputPath, QStringLiteral("the direct run"));
    return timing;
}

QString verdict(bool met)
{
    return met ? QStringLiteral("goal met") : QStringLiteral("goal missed");
}

int positiveNumber(const QCommandLineParser& options, const QCommandLineOption& option)
{
    bool number = false;
    const int value = options.value(option).toInt(&number);
    if (!number || value < 1)
        fail(QStringLiteral("--%1 wants a positive whole number").arg(option.names().constLast()));
    return value;
}

// A child mode: starts the program as its main does with no arguments, with the desktop
// double in place of the real desktop, and once the main window has been painted runs
// the handler, whose one line of output the parent waits for, and quits.
int runAsProgram(char* argv[], const std::function<void(WindowFixture&)>& handler)
{
    int argc = 1;
    TovalinApplication app(argc, argv);
    app.setApplicationName(TovalinApplication::Title);
    WindowFixture windows(WindowFixture::Options{{}, true});
    FirstPaintWatch watch([&](TForm1&) {
        // A style that failed to load would make the start-up look cheaper than it is.
        if (!windows.services.messages.isEmpty())
            fail(QStringLiteral("the program reported: ") + windows.services.messages.first().text);
        handler(windows);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    app.installEventFilter(&watch);
    windows.form().showCentred();
    return app.exec();
}

struct ChildAnswer {
    QStringList words;
    double wallSeconds = 0;
};

// Starts this benchmark again with the arguments and waits for the first line it
// writes; the wall time runs from just before the start to that line.
ChildAnswer askChild(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer wall;
    wall.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(ChildTimeoutMs))
            fail(QStringLiteral("the child %1 gave no answer").arg(arguments.join(QLatin1Char(' '))));
    }
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const QStringList words = QString::fromLocal8Bit(child.readLine()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!child.waitForFinished(ChildTimeoutMs) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        fail(QStringLiteral("the child %1 did not end cleanly").arg(arguments.join(QLatin1Char(' '))));
    return {words, seconds};
}

// The median time of reading a file's headers, over a number of readings (the file then
// lies in the system's cache, as one just chosen does).
double millisecondsToRead(const QString& path, int readings)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < readings; ++i) {
        QElapsedTimer wall;
        wall.start();
        const InputAudio audio = InputAudio::read(path);
        milliseconds.push_back(double(wall.nsecsElapsed()) / 1e6);
        if (audio.kind() == InputAudio::Kind::Unreadable)
            fail(QStringLiteral("could not read ") + path);
    }
    return median(milliseconds);
}

// An MP3 of about 10 MB (11 minutes at 128 kb/s), and as much noise with no MPEG frame in
// it, the slowest kind to read: its start is searched for a frame.
void reportInputReading(const ToolSet& tools, const QTemporaryDir& work)
{
    const QString mp3 = work.filePath(QStringLiteral("ten-megabytes.mp3"));
    QProcess sox;
    sox.setStandardInputFile(QProcess::nullDevice());
    sox.start(tools.path(ToolSet::Role::Fader),
              {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"),
               QStringLiteral("2"), mp3, QStringLiteral("synth"), QStringLiteral("655"), QStringLiteral("sine"),
               QStringLiteral("440")});
    if (!sox.waitForFinished(-1) || sox.exitCode() != 0)
        fail(QStringLiteral("could not make the 10 MB input"));
    const QString noise = work.filePath(QStringLiteral("ten-megabytes-of-noise.mp3"));
    QByteArray bytes(QFileInfo(mp3).size(), Qt::Uninitialized);
    // No frame sync at all: every byte below 0xff.
    for (char& byte : bytes)
        byte = char(QRandomGenerator::global()->bounded(255));
    QFile file(noise);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("could not write ") + noise);
    file.close();

    const double mp3Ms = millisecondsToRead(mp3, 21);
    const double noiseMs = millisecondsToRead(noise, 5);
    std::printf("\nreading a chosen input's headers, median\n");
    std::printf("  MP3 of %.1f MB                   %8.2f ms   (goal < %.0f ms)  %s\n",
                double(QFileInfo(mp3).size()) / 1e6, mp3Ms, InputReadingGoalMs,
                qPrintable(verdict(mp3Ms < InputReadingGoalMs)));
    std::printf("  as much noise, no MPEG frame    %8.2f ms\n", noiseMs);
    std::fflush(stdout);
}

void reportStartup(int starts)
{
    std::vector<double> milliseconds;
    for (int start = 0; start < starts; ++start)
        milliseconds.push_back(askChild({QString::fromLatin1(StartupChild)}).wallSeconds * 1000);
    const double middle = median(milliseconds);
    std::printf("\nstart-up to the main window painted, %d starts on platform %s\n", starts,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  median                          %8.0f ms   (goal < %.0f ms)  %s\n", middle, StartupGoalMs,
                qPrintable(verdict(middle < StartupGoalMs)));
    std::printf("  slowest                         %8.0f ms\n",
                *std::max_element(milliseconds.begin(), milliseconds.end()));
}

void reportPeakMemory(const QString& input, const QString& output)
{
    const QStringList kibibytes = askChild({QString::fromLatin1(ConversionChild), input, output}).words;
    if (kibibytes.size() != 2)
        fail(QStringLiteral("the conversion child answered %1").arg(kibibytes.join(QLatin1Char(' '))));
    const double own = kibibytes[0].toDouble() / 1024;
    std::printf("\npeak resident memory of a process converting once\n");
    std::printf("  the program itself              %8.1f MiB  (goal < %.0f MiB)  %s\n", own, OwnPeakGoalMiB,
                qPrintable(verdict(own < OwnPeakGoalMiB)));
    std::printf("  largest tool process            %8.1f MiB\n", kibibytes[1].toDouble() / 1024);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == StartupChild)
        return runAsProgram(argv, [](WindowFixture&) { std::puts("painted"); });
    if (mode == ConversionChild && argc == 4) {
        const ConversionRequest request =
            sampleRequest(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        return runAsProgram(argv, [&](WindowFixture& windows) {
            convertThroughWindow(windows, request);
            rusage own{}, tools{};
            getrusage(RUSAGE_SELF, &own);
            getrusage(RUSAGE_CHILDREN, &tools);
            std::printf("%ld %ld\n", own.ru_maxrss, tools.ru_maxrss);
        });
    }

    TovalinApplication app(argc, argv);
    app.setApplicationName(TovalinApplication::Title);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Times conversions through the main window against the same tool commands run directly."));
    options.addHelpOption();
    const QCommandLineOption roundsOption({QStringLiteral("n"), QStringLiteral("rounds")},
                                          QStringLiteral("Number of rounds (default 5)."), QStringLiteral("N"),
                                          QStringLiteral("5"));
    const QCommandLineOption startsOption(QStringLiteral("starts"),
                                          QStringLiteral("Number of timed program starts (default 10)."),
                                          QStringLiteral("N"), QStringLiteral("10"));
    options.addOptions({roundsOption, startsOption});
    options.process(app);
    const int rounds = positiveNumber(options, roundsOption);
    const int starts = positiveNumber(options, startsOption);

    // The window as the program builds it, with a desktop double that records reveals.
    WindowFixture windows(WindowFixture::Options{{}, true});
    if (!windows.show())
        fail(QStringLiteral("the main window was not shown"));

    const ToolSet tools = ToolSet::forRunningProgram();
    QTemporaryDir work;
    if (!work.isValid())
        fail(QStringLiteral("no temporary folder: ") + work.errorString());
    const QString input = work.filePath(QStringLiteral("input.mp3"));
    makeInput(tools, input);

    std::vector<double> windowWall, windowCpuShare, directWall;
    std::printf("round  window s  own CPU s  direct s\n");
    for (int round = 1; round <= rounds; ++round) {
        ConversionRequest request = sampleRequest(input, work.filePath(QStringLiteral("window-%1.m4r").arg(round)));
        const Timing window = convertThroughWindow(windows, request);
        request.outputPath = work.filePath(QStringLiteral("direct-%1.m4r").arg(round));
        const Timing direct = convertDirectly(tools, request);

        windowWall.push_back(window.wallSeconds);
        windowCpuShare.push_back(window.cpuSeconds / window.wallSeconds);
        directWall.push_back(direct.wallSeconds);
        std::printf("%5d  %8.3f  %9.3f  %8.3f\n", round, window.wallSeconds, window.cpuSeconds, direct.wallSeconds);
        std::fflush(stdout);
    }
    if (!windows.services.revealed.isEmpty())
        fail(QStringLiteral("a file was revealed although CheckBox1 was cleared"));

    const double ratio = median(windowWall) / median(directWall);
    const double share = median(windowCpuShare);
    std::printf("\nmedians over %d rounds\n", rounds);
    std::printf("  conversion through the window   %8.3f s\n", median(windowWall));
    std::printf("  same tools run directly         %8.3f s\n", median(directWall));
    std::printf("  wall time window/direct         %8.3f    (goal <= %.2f)  %s\n", ratio, RatioGoal,
                qPrintable(verdict(ratio <= RatioGoal)));
    std::printf("  own CPU time / wall (window)    %7.2f %%    (goal < %.0f %%)  %s\n", share * 100, CpuShareGoal * 100,
                qPrintable(verdict(share < CpuShareGoal)));
    std::fflush(stdout);

    reportStartup(starts);
    reportPeakMemory(input, work.filePath(QStringLiteral("memory.m4r")));
    // Last: Linux keeps a process's peak memory across exec, so a child started after this
    // held 10 MB would report the benchmark's size as its own.
    reportInputReading(tools, work);
    return EXIT_SUCCESS;
}
