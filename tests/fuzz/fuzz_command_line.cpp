// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// Fuzzes WindowsCommandLine::split and the argument quoting of ToolParameters. Any text
// must split without trouble into arguments no longer in sum than the text; a text
// without double quotes splits exactly at its spaces and tabs; and texts without double
// quotes, quoted or passed bare and joined by blanks, split back into exactly those texts,
// as do the three tools' parameter strings built from a request made of such texts.

#include "ConversionRequest.h"
#include "FuzzRules.h"
#include "IntermediateNames.h"
#include "PathPieces.h"
#include "TimeWindow.h"
#include "ToolParameters.h"
#include "WindowsCommandLine.h"

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

namespace {

using FuzzRules::require;

// Runs of characters other than space and tab.
QStringList splitAtBlanks(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t') {
            word += c;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

void checkSplit(const QString& text)
{
    const QStringList arguments = WindowsCommandLine::split(text);

    qsizetype total = 0;
    for (const QString& argument : arguments)
        total += argument.size();
    require(total <= text.size(), "arguments hold no more characters than the text", text);
    // Each argument takes at least one character, and a blank stands between two of them.
    require(arguments.size() <= (text.size() + 1) / 2, "no more arguments than room for them", text);
    require(WindowsCommandLine::split(QStringLiteral(" \t") + text) == arguments, "leading blanks change nothing",
            text);

    if (!text.contains(u'"'))
        require(arguments == splitAtBlanks(text), "without double quotes only blanks separate", text);
    // Splitting drops or merges every double quote, so a text that comes back whole has
    // none, and no blank either; bare() must then leave it alone.
    if (arguments == QStringList{text})
        require(ToolParameters::bare(text) == text, "bare() keeps a single plain argument", text);
}

QString textWithoutQuotes(FuzzedDataProvider& input, std::size_t maxLength)
{
    return QString::fromStdString(input.ConsumeRandomLengthString(maxLength)).remove(u'"');
}

QString blanks(FuzzedDataProvider& input, int least)
{
    QString result;
    for (int n = input.ConsumeIntegralInRange(least, 3); n > 0; --n)
        result += input.ConsumeBool() ? u'\t' : u' ';
    return result;
}

// Texts without double quotes, each quoted or bare, joined by runs of blanks.
void checkJoinedArguments(FuzzedDataProvider& input)
{
    QStringList arguments;
    QString line = blanks(input, 0);
    for (int n = input.ConsumeIntegralInRange(0, 6); n > 0; --n) {
        const QString argument = textWithoutQuotes(input, 40);
        if (!arguments.isEmpty())
            line += blanks(input, 1);
        line += input.ConsumeBool() ? ToolParameters::quoted(argument) : ToolParameters::bare(argument);
        arguments.append(argument);
    }
    line += blanks(input, 0);
    require(WindowsCommandLine::split(line) == arguments, "quoted and bare texts split back", line);
}

// The parameter strings of all three tools give back exactly the texts meant as arguments:
// paths as they are, times and fades without their spaces.
void checkToolParameters(FuzzedDataProvider& input)
{
    const PathStyle style = input.ConsumeBool() ? PathStyle::Windows : PathStyle::Posix;
    ConversionRequest request;
    for (QString* field : {&request.inputPath, &request.outputPath, &request.startTime, &request.endTime,
                           &request.fadeInTime, &request.fadeOutTime})
        *field = textWithoutQuotes(input, 24);
    // The first few names asked about are taken, so the _tmpN variants come into play too.
    int taken = input.ConsumeIntegralInRange(0, 4);
    const IntermediateNames names =
        IntermediateNames::forOutput(request.outputPath, style, [&taken](const QString&) { return taken-- > 0; });

    const auto spaceless = [](const QString& text) { return QString(text).remove(u' '); };
    const QString splitter = ToolParameters::splitter(request, names);
    require(WindowsCommandLine::split(splitter)
                == QStringList({request.inputPath, spaceless(TimeWindow::splitterForm(request.startTime)),
                                spaceless(TimeWindow::splitterForm(request.endTime)), "-d",
                                PathPieces(style).folderPart(request.outputPath) + u'.', "-o", names.stem()}),
            "splitter parameters split back", splitter);
    const QString fader = ToolParameters::fader(request, names);
    require(WindowsCommandLine::split(fader)
                == QStringList({names.cut(), names.faded(), "fade", "h", "0:" + spaceless(request.fadeInTime), "0",
                                "0:" + spaceless(request.fadeOutTime)}),
            "fader parameters split back", fader);
    const QString converter = ToolParameters::converter(names);
    require(WindowsCommandLine::split(converter)
                == QStringList({"-i", names.faded(), "-c:a", "libfdk_aac", names.encoded()}),
            "converter parameters split back", converter);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzRules::forEachText(data, size, checkSplit);

    FuzzedDataProvider input(data, size);
    checkJoinedArguments(input);
    checkToolParameters(input);
    return 0;
}
