#include "ScratchFiles.h"

#include <QDir>
#include <QFile>

namespace ScratchFiles {

bool write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

} // namespace ScratchFiles
