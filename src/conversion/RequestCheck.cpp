#include "RequestCheck.h"

#include "RequestRefusal.h"
#include "TimeWindow.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

void RequestCheck::check(const ConversionRequest &request, const TimeReader &reader, PathStyle style)
{
    TimeWindow::check(request.startTime, request.endTime, reader);

    // A double quote would end the tool argument it stands in and let the rest of
    // the text pass as options of its own.
    for (const QString *text : {&request.inputPath, &request.outputPath, &request.startTime,
                                &request.endTime, &request.fadeInTime, &request.fadeOutTime}) {
        if (text->contains(u'"'))
            throw RequestRefusal::doubleQuote(*text);
    }

    if (namesSameFile(request.inputPath, request.outputPath, style))
        throw RequestRefusal::outputIsInput();
}

bool RequestCheck::namesSameFile(const QString &first, const QString &second, PathStyle style)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    const Qt::CaseSensitivity cs =
        style == PathStyle::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return resolved(first).compare(resolved(second), cs) == 0;
}
