// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ToolSet.h"

#include "PathPieces.h"

#include <QCoreApplication>

// The table is read by a role's number too.
static_assert([] {
    for (std::size_t i = 0; i < ToolSet::Roles.size(); ++i) {
        if (ToolSet::Roles[i].role != ToolSet::Role(i))
            return false;
    }
    return true;
}());

ToolSet ToolSet::inFolder(const QString& programFolder, PathStyle style)
{
    const PathPieces pieces(style);
    QString folder = programFolder;
    if (style == PathStyle::Windows)
        folder.replace(u'/', u'\\');
    // Exactly one delimiter between the folder and the tool's location, also for roots.
    if (!folder.isEmpty() && !pieces.isDelimiter(folder.back()))
        folder += pieces.separator();

    ToolSet tools;
    for (const RoleEntry& entry : Roles) {
        QString location = entry.location.toString();
        if (style == PathStyle::Windows)
            location = location.replace(u'/', u'\\') + QStringLiteral(".exe");
        tools.paths_[std::size_t(entry.role)] = folder + location;
    }
    return tools;
}

ToolSet ToolSet::forRunningProgram()
{
    return inFolder(QCoreApplication::applicationDirPath(), nativePathStyle());
}

QString ToolSet::roleWord(Role role)
{
    return Roles[std::size_t(role)].word.toString();
}

QString ToolSet::path(Role role) const
{
    return paths_[std::size_t(role)];
}
