// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "PathStyle.h"

#include <QString>
#include <QStringView>

#include <array>

// Where the splitter, the fader and the converter lie: under "External" in the
// program's own folder. Nothing checks that they are there.
class ToolSet {
public:
    enum class Role { Splitter, Fader, Converter };

    struct RoleEntry {
        Role role;
        // How the log names the tool.
        QStringView word;
        // Under the program's folder, in POSIX form; on Windows with "\" and ".exe".
        QStringView location;
        // The option that makes the tool print its version, and the pattern whose first
        // group finds the version in what it prints.
        QStringView versionOption;
        QStringView versionPattern;
    };
    // Every role, in the order in which a conversion runs the tools.
    static constexpr std::array<RoleEntry, 3> Roles{{
        {Role::Splitter, u"splitter", u"External/mp3splt/mp3splt", u"-v", uR"(libmp3splt (\S+))"},
        {Role::Fader, u"fader", u"External/sox/sox", u"--version", uR"(SoX v(\S+))"},
        {Role::Converter, u"converter", u"External/ffmpeg/ffmpeg-heaac", u"-version", uR"(ffmpeg version (\S+))"},
    }};

    // The tools under the given program folder, spelled in the given style.
    static ToolSet inFolder(const QString& programFolder, PathStyle style);
    // The tools beside the running program.
    static ToolSet forRunningProgram();

    static QString roleWord(Role role);

    QString path(Role role) const;

private:
    std::array<QString, Roles.size()> paths_;
};
