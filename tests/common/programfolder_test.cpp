#include "common/programfolder.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using songtao::overrideProgramFolder;
using songtao::programFolder;

namespace {

TEST(ProgramFolder, IsTheFolderOfTheProgramFileWithoutTrailingSeparator)
{
    const QString folder = programFolder();
    EXPECT_FALSE(folder.endsWith(u'/'));
    EXPECT_EQ(QFileInfo(folder).canonicalFilePath(),
              QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());

    overrideProgramFolder(u"/tmp/somewhere/"_s);
    EXPECT_EQ(programFolder(), u"/tmp/somewhere"_s);
    overrideProgramFolder({});
    EXPECT_EQ(programFolder(), folder);
}

} // namespace
