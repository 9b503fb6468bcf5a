#include "app/passwordtransform.h"
#include "common/gbk.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using songtao::storedPasswordText;

namespace {

TEST(PasswordTransform, DefaultPasswordGivesTheBytesWindowsInstallsStore)
{
    EXPECT_EQ(storedPasswordText(u"quill"),
              QByteArray::fromHex("78c7871ffac0165c73fd471fcb6f9c85"));
}

TEST(PasswordTransform, EmptyPasswordGivesEmptyText)
{
    EXPECT_TRUE(storedPasswordText(u"").isEmpty());
}

// The buffer is the password behind a 4-byte length, padded to 8 bytes; the
// stored text is at most that long (shorter where a cipher byte is zero).
TEST(PasswordTransform, CipherLengthFollowsThePasswordLength)
{
    const struct
    {
        int passwordBytes;
        int cipherBytes;
    } cases[] = {{1, 8}, {4, 8}, {5, 16}, {12, 16}, {13, 24}, {20, 24}};
    for (const auto &c : cases) {
        for (char fill : {'a', 'k', 'z'}) {
            const QString password(c.passwordBytes, QLatin1Char(fill));
            const QByteArray stored = storedPasswordText(password);
            EXPECT_LE(stored.size(), c.cipherBytes) << c.passwordBytes;
            EXPECT_FALSE(stored.contains('\0'));
        }
    }
    // "quill" is 5 bytes and its cipher holds no zero: all 16 bytes stay.
    EXPECT_EQ(storedPasswordText(u"quill").size(), 16);
}

TEST(PasswordTransform, ChinesePasswordsAreEncryptedAsTheirGbkBytes)
{
    // Two characters are four GBK bytes: one block, as four ASCII letters.
    const QString password = u"图书"_s;
    ASSERT_EQ(songtao::toGbk(password).size(), 4);
    EXPECT_LE(storedPasswordText(password).size(), 8);
    EXPECT_NE(storedPasswordText(password), storedPasswordText(u"tu"));
}

TEST(PasswordTransform, CipherTextStartingWithZeroGivesEmptyText)
{
    // Found by search: this password's cipher text begins with a zero byte.
    EXPECT_TRUE(storedPasswordText(u"pw2800").isEmpty());
}

} // namespace
