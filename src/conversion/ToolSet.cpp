#include "ToolSet.h"

#include "PathPieces.h"

#include <QCoreApplication>

namespace {

QString relativeLocation(ToolSet::Role role, PathStyle style)
{
    const bool windows = style == PathStyle::Windows;
    QString location;
    switch (role) {
    case ToolSet::Role::Splitter:
        location = QStringLiteral("External/mp3splt/mp3splt");
        break;
    case ToolSet::Role::Fader:
        location = QStringLiteral("External/sox/sox");
        break;
    case ToolSet::Role::Converter:
        location = QStringLiteral("External/ffmpeg/ffmpeg-heaac");
        break;
    }
    if (windows) {
        location.replace(u'/', u'\\');
        location += QStringLiteral(".exe");
    }
    return location;
}

} // namespace

ToolSet ToolSet::inFolder(const QString &programFolder, PathStyle style)
{
    const PathPieces pieces(style);
    QString folder = programFolder;
    if (style == PathStyle::Windows)
        folder.replace(u'/', u'\\');
    // Exactly one delimiter between the folder and the tool's location, also for roots.
    if (!folder.isEmpty() && !pieces.isDelimiter(folder.back()))
        folder += pieces.separator();

    ToolSet tools;
    tools.splitter_ = folder + relativeLocation(Role::Splitter, style);
    tools.fader_ = folder + relativeLocation(Role::Fader, style);
    tools.converter_ = folder + relativeLocation(Role::Converter, style);
    return tools;
}

ToolSet ToolSet::forRunningProgram()
{
    return inFolder(QCoreApplication::applicationDirPath(), nativePathStyle());
}

QString ToolSet::roleWord(Role role)
{
    switch (role) {
    case Role::Splitter:
        return QStringLiteral("splitter");
    case Role::Fader:
        return QStringLiteral("fader");
    case Role::Converter:
        return QStringLiteral("converter");
    }
    return {};
}

QString ToolSet::path(Role role) const
{
    switch (role) {
    case Role::Splitter:
        return splitter_;
    case Role::Fader:
        return fader_;
    case Role::Converter:
        return converter_;
    }
    return {};
}
