#include "app/passwordfile.h"
#include "app/profilestring.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using songtao::readProfileString;
using songtao::writeProfileString;

namespace {

TEST(ProfileString, ReadsAsTheWindowsFunctionsDo)
{
    const struct
    {
        const char *name;
        QByteArray content;
        QByteArray expected;
    } cases[] = {
        {"empty file", "", ""},
        {"plain", "[login]\r\npass=abc\r\n", "abc"},
        {"names in any case", "[LOGIN]\r\nPass=abc\r\n", "abc"},
        {"blanks around names and value", "  [ login ]  \r\n  pass \t=  abc \t\r\n", "abc"},
        {"double quotes", "[login]\r\npass=\"a b \"\r\n", "a b "},
        {"single quotes", "[login]\r\npass='x'\r\n", "x"},
        {"one quote only", "[login]\r\npass=\"abc\r\n", "\"abc"},
        {"mixed quotes kept", "[login]\r\npass=\"abc'\r\n", "\"abc'"},
        {"two quotes only", "[login]\r\npass=\"\"\r\n", ""},
        {"equals sign in the value", "[login]\r\npass=a=b\r\n", "a=b"},
        {"LF lines", "[login]\npass=abc\n", "abc"},
        {"CR lines", "[login]\rpass=abc\r", "abc"},
        {"no final line end", "[login]\r\npass=abc", "abc"},
        {"other sections first",
         "[other]\r\npass=no\r\n\r\n[login]\r\nuser=x\r\npass=abc\r\n[more]\r\npass=no\r\n", "abc"},
        {"key in another section only", "[login]\r\nuser=x\r\n[other]\r\npass=no\r\n", ""},
        {"no such section", "[logins]\r\npass=no\r\n", ""},
        {"first of two sections", "[login]\r\nuser=x\r\n[login]\r\npass=no\r\n", ""},
        {"key without equals", "[login]\r\npass\r\n", ""},
        {"raw high bytes", "[login]\r\npass=\x78\xc7\x87\x1f\xfa\r\n", "\x78\xc7\x87\x1f\xfa"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readProfileString(c.content, "login", "pass"), c.expected) << c.name;
}

TEST(ProfileString, WritesInPlaceKeepingTheRestOfTheFile)
{
    const struct
    {
        const char *name;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"new file", "", "[login]\r\npass=new\r\n"},
        {"replaces the value", "[login]\r\npass=old\r\n", "[login]\r\npass=new\r\n"},
        {"keeps the key's spelling and other lines",
         "; note\r\n[Login]\r\nuser=x\r\n  PASS = old \r\n[other]\r\na=b\r\n",
         "; note\r\n[Login]\r\nuser=x\r\nPASS=new\r\n[other]\r\na=b\r\n"},
        {"adds the key at the end of its section", "[login]\r\nuser=x\r\n\r\n[other]\r\na=b\r\n",
         "[login]\r\nuser=x\r\npass=new\r\n\r\n[other]\r\na=b\r\n"},
        {"adds the key to a last line without line end", "[login]\r\nuser=x",
         "[login]\r\nuser=x\r\npass=new\r\n"},
        {"adds the section", "[other]\r\na=b", "[other]\r\na=b\r\n[login]\r\npass=new\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(writeProfileString(c.before, "login", "pass", "new"), c.after) << c.name;
}

TEST(ProfileString, WrittenRawBytesReadBack)
{
    QByteArray content;
    const QByteArray values[] = {"\x78\xc7\x87\x1f\xfa\xc0\x16\x5c\x73\xfd\x47\x1f\xcb\x6f\x9c\x85",
                                 "a\"b", "x y", "'q"};
    for (const QByteArray &value : values) {
        content = writeProfileString(content, "login", "pass", value);
        EXPECT_EQ(readProfileString(content, "login", "pass"), value);
    }
}

TEST(PasswordFile, MissingFileReadsEmptyAndTheFirstWriteCreatesIt)
{
    songtao::test::TempFolder folder;
    const QString path = folder.file(u"sub/stzy.ini"_s);
    const songtao::PasswordFile file(path);
    EXPECT_TRUE(file.read().isEmpty());

    const QByteArray stored = QByteArray::fromHex("78c7871ffac0165c73fd471fcb6f9c85");
    ASSERT_TRUE(file.write(stored));
    EXPECT_EQ(songtao::test::readFileBytes(path), "[login]\r\npass=" + stored + "\r\n");
    EXPECT_EQ(file.read(), stored);
}

TEST(PasswordFile, FileWrittenOnWindowsReadsUnchanged)
{
    songtao::test::TempFolder folder;
    const QString path = folder.file(u"stzy.ini"_s);
    const QByteArray stored = QByteArray::fromHex("78c7871ffac0165c73fd471fcb6f9c85");
    ASSERT_TRUE(songtao::test::writeFileBytes(path, "[Login]\r\nPASS=" + stored + "\r\n"));
    EXPECT_EQ(songtao::PasswordFile(path).read(), stored);
}

TEST(PasswordFile, DefaultPathIsTheFileNameInTheConfigurationFolder)
{
    EXPECT_TRUE(songtao::PasswordFile::defaultPath().endsWith(u"/stzy.ini"_s));
}

} // namespace
