// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "RequestCheck.h"

#include "ConversionError.h"
#include "FadeLength.h"
#include "InputAudio.h"
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

// Lengths that differ in a far decimal place only are taken as equal.
void requireFadesFit(double fades, double sectionSeconds, QChar decimalSeparator)
{
    if (fades > sectionSeconds + 1e-9)
        throw RequestRefusal::fadesTooLong(fades, sectionSeconds, decimalSeparator);
}

void checkAgainstInput(const CheckedRequest& checked, const TimeReader& reader, double fades)
{
    const ConversionRequest& request = checked.request;
    if (request.inputPath.isEmpty())
        return;
    const InputAudio input = InputAudio::read(request.inputPath);
    if (input.kind() == InputAudio::Kind::Other)
        throw RequestRefusal::notMp3(QFileInfo(request.inputPath).fileName());
    // An estimated length may be far off either way: a request is never refused on it.
    if (input.kind() != InputAudio::Kind::Mpeg || !input.lengthIsExact())
        return;
    // In hundredths, as the splitter cuts; the start was read before, so it reads again.
    const int length = input.lengthMilliseconds() / 10;
    const int start = TimeWindow::splitterHundredths(*reader.read(request.startTime));
    if (start >= length)
        throw RequestRefusal::startPastEnd(InputAudio::minutesAndSeconds(input.lengthMilliseconds()),
                                           request.startTime.trimmed());
    // The splitter stops at the input's end, so the fades must fit what is left of it.
    const double left = (length - start) / 100.0;
    if (left < checked.sectionSeconds)
        requireFadesFit(fades, left, reader.locale().decimalSeparator());
}

CheckedRequest checkRequest(const ConversionRequest& request, const TimeReader& reader, PathStyle style,
                            bool withOutput)
{
    CheckedRequest checked{request, TimeWindow::check(request.startTime, request.endTime, reader) / 100.0};

    // The fader refuses fades that overlap; equal to the section is fine.
    const QChar decimalSeparator = reader.locale().decimalSeparator();
    checked.request.fadeInTime = faderFormOrThrow(request.fadeInTime, decimalSeparator);
    checked.request.fadeOutTime = faderFormOrThrow(request.fadeOutTime, decimalSeparator);
    const double fades = checked.request.fadeInTime.toDouble() + checked.request.fadeOutTime.toDouble();
    requireFadesFit(fades, checked.sectionSeconds, decimalSeparator);

    // A double quote would end the tool argument it stands in and let the rest of
    // the text pass as options of its own. The times and fades, read above, hold none.
    for (const QString* text : {&request.inputPath, &request.outputPath}) {
        if (text->contains(u'"') && (withOutput || text == &request.inputPath))
            throw RequestRefusal::doubleQuote(*text);
    }

    if (withOutput && RequestCheck::namesSameFile(request.inputPath, request.outputPath, style))
        throw RequestRefusal::outputIsInput();

    // The fader sees the output's folder and names made of its file name; the input path
    // never reaches it (the splitter reads it as typed).
    if (withOutput && !ToolPathCheck::readableByFader(request.outputPath))
        throw RequestRefusal::unreadableByTools(request.outputPath);

    checkAgainstInput(checked, reader, fades);
    return checked;
}

} // namespace

CheckedRequest RequestCheck::check(const ConversionRequest& request, const TimeReader& reader, PathStyle style)
{
    return checkRequest(request, reader, style, true);
}

CheckedRequest RequestCheck::checkSection(const ConversionRequest& request, const TimeReader& reader)
{
    return checkRequest(request, reader, nativePathStyle(), false);
}

bool RequestCheck::namesSameFile(const QString& first, const QString& second, PathStyle style)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = style == PathStyle::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return resolved(first).compare(resolved(second), cs) == 0;
}
