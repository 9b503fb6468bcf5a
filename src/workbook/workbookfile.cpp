#include "workbook/workbookfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace songtao {

QByteArray readWorkbookFile(const QString &path)
{
    constexpr qint64 kLargest = 256LL * 1024 * 1024;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() > kLargest)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest)
        return {};
    return file.readAll();
}

bool writeWorkbookFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace songtao
