// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ConversionRequest.h"
#include "IntermediateNames.h"
#include "ToolSet.h"

#include <QString>

#include <array>

// The one parameter string each tool is started with. The strings follow the
// Windows command-line convention, so each text meant as one argument arrives as
// exactly that argument (see WindowsCommandLine). Texts holding a double quote
// cannot be passed; RequestCheck refuses them beforehand.
namespace ToolParameters {

// One tool's part of a conversion: the string it is started with and the file it must make.
struct Step {
    ToolSet::Role role;
    QString parameters;
    QString product;
};
// The steps of all three tools, in the order of ToolSet::Roles.
std::array<Step, ToolSet::Roles.size()> steps(const ConversionRequest& request, const IntermediateNames& names);

// "I" start end -d "F." -o "stem": start and end in splitter form, F the
// output's folder, so the cut section lands beside the output file.
QString splitter(const ConversionRequest& request, const IntermediateNames& names);
// "cut" "faded" fade h 0:<fade-in> 0 0:<fade-out>
QString fader(const ConversionRequest& request, const IntermediateNames& names);
// -i "faded" -c:a libfdk_aac "encoded"
QString converter(const IntermediateNames& names);

// The text in double quotes, with a run of backslashes at its end doubled so
// that it cannot escape the closing quote.
QString quoted(const QString& text);
// The text as it is, or quoted() when it is empty or holds a space or a tab,
// so it still stays one argument.
QString bare(const QString& text);
// A time or fade text as the tools get it: without its spaces, which the time reader
// reads as nothing, so " 0:20" and "0 : 20" both give 0.20. Checked texts then need no
// quotes; bare() still keeps an unchecked one a single argument.
QString spaceless(const QString& text);

} // namespace ToolParameters
