// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ToolParameters.h"

#include "TimeWindow.h"

std::array<ToolParameters::Step, ToolSet::Roles.size()> ToolParameters::steps(const ConversionRequest& request,
                                                                              const IntermediateNames& names)
{
    std::array<Step, ToolSet::Roles.size()> result;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const ToolSet::Role role = ToolSet::Roles[i].role;
        switch (role) {
        case ToolSet::Role::Splitter:
            result[i] = {role, splitter(request, names), names.cut()};
            break;
        case ToolSet::Role::Fader:
            result[i] = {role, fader(request, names), names.faded()};
            break;
        case ToolSet::Role::Converter:
            result[i] = {role, converter(names), names.encoded()};
            break;
        }
    }
    return result;
}

QString ToolParameters::splitter(const ConversionRequest& request, const IntermediateNames& names)
{
    return quoted(request.inputPath) + u' ' + spaceless(TimeWindow::splitterForm(request.startTime)) + u' '
           + spaceless(TimeWindow::splitterForm(request.endTime)) + QStringLiteral(" -d ")
           + quoted(names.folder() + u'.') + QStringLiteral(" -o ") + quoted(names.stem());
}

QString ToolParameters::fader(const ConversionRequest& request, const IntermediateNames& names)
{
    return quoted(names.cut()) + u' ' + quoted(names.faded()) + QStringLiteral(" fade h ")
           + spaceless(QStringLiteral("0:") + request.fadeInTime) + QStringLiteral(" 0 ")
           + spaceless(QStringLiteral("0:") + request.fadeOutTime);
}

QString ToolParameters::converter(const IntermediateNames& names)
{
    return QStringLiteral("-i ") + quoted(names.faded()) + QStringLiteral(" -c:a libfdk_aac ")
           + quoted(names.encoded());
}

QString ToolParameters::quoted(const QString& text)
{
    qsizetype trailingBackslashes = 0;
    while (trailingBackslashes < text.size() && text.at(text.size() - 1 - trailingBackslashes) == u'\\')
        ++trailingBackslashes;
    return u'"' + text + QString(trailingBackslashes, u'\\') + u'"';
}

QString ToolParameters::spaceless(const QString& text)
{
    return bare(QString(text).remove(u' '));
}

QString ToolParameters::bare(const QString& text)
{
    if (text.isEmpty() || text.contains(u' ') || text.contains(u'\t'))
        return quoted(text);
    return text;
}
