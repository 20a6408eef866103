#pragma once

#include "PathStyle.h"

#include <QString>

#include <array>

// Where the splitter, the fader and the converter lie: under "External" in the
// program's own folder. Nothing checks that they are there.
class ToolSet {
public:
    enum class Role { Splitter, Fader, Converter };
    // The order in which a conversion runs the tools.
    static constexpr std::array<Role, 3> roles{Role::Splitter, Role::Fader, Role::Converter};

    // The tools under the given program folder, spelled in the given style.
    static ToolSet inFolder(const QString &programFolder, PathStyle style);
    // The tools beside the running program.
    static ToolSet forRunningProgram();

    // "splitter", "fader" or "converter", as the log names them.
    static QString roleWord(Role role);

    QString path(Role role) const;
    QString splitter() const { return splitter_; }
    QString fader() const { return fader_; }
    QString converter() const { return converter_; }

private:
    QString splitter_;
    QString fader_;
    QString converter_;
};
