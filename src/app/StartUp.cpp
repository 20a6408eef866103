// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "StartUp.h"

#include "BuildInfo.h"
#include "FontRegistration.h"
#include "PlatformServices.h"
#include "StyleRegistry.h"
#include "TerminalAnswer.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString ProgramName = QStringLiteral("tovalin");

// --help and --version are read by hand: QCommandLineParser's own handling needs the
// application object, and that needs a display.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Displays version information.")};

    Parser()
    {
        parser.setApplicationDescription(QStringLiteral("Turns a section of an MP3 file into an iPhone ringtone."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The MP3 file to start with."),
                                     QStringLiteral("[file]"));
    }

    QString helpText() const
    {
        // The parser names the program by the running one's path; the command is enough.
        QString text = parser.helpText();
        const qsizetype usageEnd = text.indexOf(u' ', 7);
        return QStringLiteral("Usage: ") + ProgramName + text.mid(usageEnd);
    }
};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

QStringList StartUp::arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> StartUp::answerOnTerminal(const QStringList& arguments)
{
    Parser command;
    if (!command.parser.parse(arguments)) {
        TerminalAnswer::tell(ProgramName + QStringLiteral(": ") + command.parser.errorText() + u'\n'
                                 + command.helpText(),
                             TerminalAnswer::Kind::Refusal);
        return 1;
    }
    if (command.parser.isSet(command.help)) {
        TerminalAnswer::tell(command.helpText(), TerminalAnswer::Kind::Answer);
        return 0;
    }
    if (command.parser.isSet(command.version)) {
        TerminalAnswer::tell(
            QLatin1String("Tovalin " TOVALIN_VERSION "\n"
                          "Copyright (C) 2026 The Tovalin developers\n"
                          "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n"),
            TerminalAnswer::Kind::Answer);
        return 0;
    }
    return std::nullopt;
}

QString StartUp::startFile(const QStringList& arguments)
{
    Parser command;
    command.parser.parse(arguments);
    const QStringList files = command.parser.positionalArguments();
    if (files.isEmpty())
        return {};
    const QFileInfo file(files.front());
    if (files.size() > 1 || !file.isFile()) {
        print(stderr, ProgramName + QStringLiteral(": only one existing file can be opened; starting without one\n"));
        return {};
    }
    return file.absoluteFilePath();
}

void StartUp::applyStyle(const QString& name, PlatformServices& services)
{
    FontRegistration::registerBundledFonts();
    StyleRegistry styles;
    styles.registerCarriedStyles();
    if (!styles.apply(name)) {
        services.showError(nullptr, QStringLiteral("Error"), QStringLiteral("Style '%1' not found").arg(name),
                           QStringLiteral("&Close"));
    }
}
