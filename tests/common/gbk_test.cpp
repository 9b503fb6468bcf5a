#include "common/gbk.h"

#include <QList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using songtao::fromGbk;
using songtao::gbkCharLength;
using songtao::toGbk;

namespace {

TEST(GbkText, EncodesAsGbkBytes)
{
    // "红楼梦" as the Windows code page 936 writes it.
    EXPECT_EQ(toGbk(u"红楼梦"_s), QByteArray("\xBA\xEC\xC2\xA5\xC3\xCE"));
    EXPECT_EQ(fromGbk(QByteArray("\xBA\xEC\xC2\xA5\xC3\xCE")), u"红楼梦"_s);
    EXPECT_EQ(toGbk(u"A00001"_s), QByteArray("A00001"));
    // A character whose second byte is '|' (0x7C) stays one character.
    EXPECT_EQ(toGbk(u"亅"_s), QByteArray("\x81\x7C"));
    EXPECT_EQ(fromGbk(QByteArray("\x81\x7C")), u"亅"_s);
}

TEST(GbkText, CarriesCharactersOutsideGbkWithoutLoss)
{
    const QString names[] = {u"𠮷野家"_s, u"王喆"_s, u"李珺"_s, u"€ and ½ and 😀"_s, u"彅"_s};
    for (const QString &name : names) {
        const QByteArray bytes = toGbk(name);
        EXPECT_FALSE(bytes.contains('?')) << name.toStdString();
        EXPECT_EQ(fromGbk(bytes), name) << name.toStdString();
    }
    // 𠮷 (U+20BB7) takes four bytes in GB18030.
    EXPECT_EQ(toGbk(u"𠮷"_s).size(), 4);
}

TEST(GbkText, CharacterLengthsNeverSplitACharacter)
{
    const QByteArray mixed = toGbk(u"a红|𠮷b"_s);
    QList<qsizetype> lengths;
    for (qsizetype at = 0; at < mixed.size(); at += gbkCharLength(mixed, at))
        lengths << gbkCharLength(mixed, at);
    EXPECT_EQ(lengths, (QList<qsizetype>{1, 2, 1, 4, 1}));
    // A lead byte at the very end counts as one byte.
    EXPECT_EQ(gbkCharLength(QByteArray("\xBA"), 0), 1);
}

} // namespace
