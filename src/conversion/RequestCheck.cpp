// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "RequestCheck.h"

#include "ConversionError.h"
#include "FadeLength.h"
#include "TimeWindow.h"
#include "ToolPathCheck.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString resolved(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString faderFormOrThrow(const QString& fade, QChar decimalSeparator)
{
    const std::optional<QString> form = FadeLength::faderForm(fade, decimalSeparator);
    if (!form)
        throw RequestRefusal::invalidFade(fade);
    return *form;
}

} // namespace

CheckedRequest RequestCheck::check(const ConversionRequest& request, const TimeReader& reader, PathStyle style)
{
    CheckedRequest checked{request, TimeWindow::check(request.startTime, request.endTime, reader) / 100.0};

    // The fader refuses fades that overlap; equal to the section is fine.
    const QChar decimalSeparator = reader.locale().decimalSeparator();
    checked.request.fadeInTime = faderFormOrThrow(request.fadeInTime, decimalSeparator);
    checked.request.fadeOutTime = faderFormOrThrow(request.fadeOutTime, decimalSeparator);
    const double fades = checked.request.fadeInTime.toDouble() + checked.request.fadeOutTime.toDouble();
    // Lengths that differ in a far decimal place only are taken as equal.
    if (fades > checked.sectionSeconds + 1e-9)
        throw RequestRefusal::fadesTooLong(fades, checked.sectionSeconds, decimalSeparator);

    // A double quote would end the tool argument it stands in and let the rest of
    // the text pass as options of its own. The times and fades, read above, hold none.
    for (const QString* text : {&request.inputPath, &request.outputPath}) {
        if (text->contains(u'"'))
            throw RequestRefusal::doubleQuote(*text);
    }

    if (namesSameFile(request.inputPath, request.outputPath, style))
        throw RequestRefusal::outputIsInput();

    // The fader sees the output's folder and names made of its file name; the input path
    // never reaches it (the splitter reads it as typed).
    if (!ToolPathCheck::readableByFader(request.outputPath))
        throw RequestRefusal::unreadableByTools(request.outputPath);
    return checked;
}

bool RequestCheck::namesSameFile(const QString& first, const QString& second, PathStyle style)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = style == PathStyle::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return resolved(first).compare(resolved(second), cs) == 0;
}
