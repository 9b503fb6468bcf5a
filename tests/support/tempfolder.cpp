#include "support/tempfolder.h"

#include "common/programfolder.h"

#include <QFile>

namespace songtao::test {

TempFolder::TempFolder()
{
    overrideProgramFolder(m_dir.path());
}

TempFolder::~TempFolder()
{
    overrideProgramFolder({});
}

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

} // namespace songtao::test
