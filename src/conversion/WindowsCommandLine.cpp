// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "WindowsCommandLine.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QStringList WindowsCommandLine::split(const QString& parameters)
{
    QStringList arguments;
    const qsizetype size = parameters.size();
    qsizetype pos = 0;
    for (;;) {
        while (pos < size && isBlank(parameters.at(pos)))
            ++pos;
        if (pos == size)
            return arguments;

        QString argument;
        bool inQuotes = false;
        while (pos < size) {
            qsizetype backslashes = 0;
            while (pos < size && parameters.at(pos) == u'\\') {
                ++backslashes;
                ++pos;
            }
            if (pos < size && parameters.at(pos) == u'"') {
                argument += QString(backslashes / 2, u'\\');
                if (backslashes % 2 == 1) {
                    argument += u'"';
                } else if (inQuotes && pos + 1 < size && parameters.at(pos + 1) == u'"') {
                    argument += u'"';
                    ++pos;
                } else {
                    inQuotes = !inQuotes;
                }
                ++pos;
                continue;
            }
            argument += QString(backslashes, u'\\');
            if (pos == size || (!inQuotes && isBlank(parameters.at(pos))))
                break;
            argument += parameters.at(pos);
            ++pos;
        }
        arguments.append(argument);
    }
}
