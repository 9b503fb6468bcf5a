#include "common/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace songtao {
namespace {

QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    if (QCoreApplication::instance() != nullptr)
        return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
    // Before the application object exists (or in tools without one) the
    // kernel still knows where the program file is.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return withoutTrailingSeparator(QFileInfo(self.symLinkTarget()).absolutePath());
}

void overrideProgramFolder(const QString &folder)
{
    overriddenFolder() = withoutTrailingSeparator(QDir::cleanPath(folder));
    if (folder.isEmpty())
        overriddenFolder().clear();
}

} // namespace songtao
