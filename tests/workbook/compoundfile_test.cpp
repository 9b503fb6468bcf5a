#include "workbook/bytes.h"
#include "workbook/compoundfile.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using songtao::xls::buildCompoundFile;
using songtao::xls::CompoundFile;
using songtao::xls::putU32;
using songtao::xls::readU32;

namespace {

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

// Sizes on both sides of the mini-stream cutoff, of a sector, and past the
// 109 FAT sectors that the header can list (about 7 MB).
TEST(CompoundFile, StreamsOfEverySizeComeBackUnchanged)
{
    for (const qsizetype size : {0, 1, 63, 64, 65, 4095, 4096, 4097, 100000, 7400000}) {
        const QByteArray stream = pattern(size);
        const QByteArray file = buildCompoundFile(u"Workbook"_s, stream);
        ASSERT_EQ(file.size() % 512, 0) << size;
        const auto opened = CompoundFile::open(file);
        ASSERT_TRUE(opened) << size;
        const auto back = opened->stream(u"workbook"_s); // names ignore case
        ASSERT_TRUE(back) << size;
        EXPECT_EQ(*back, stream) << size;
        EXPECT_FALSE(opened->stream(u"Book"_s)) << size;
    }
}

TEST(CompoundFile, LargeStreamsNeedTheExtendedFat)
{
    const QByteArray file = buildCompoundFile(u"Workbook"_s, pattern(7400000));
    EXPECT_GT(readU32(file, 44), 109u); // FAT sectors
    EXPECT_GE(readU32(file, 72), 1u); // DIFAT sectors
}

TEST(CompoundFile, RefusesWhatIsNotACompoundFile)
{
    const QByteArray good = buildCompoundFile(u"Workbook"_s, pattern(5000));
    EXPECT_FALSE(CompoundFile::open({}));
    EXPECT_FALSE(CompoundFile::open(good.left(511)));
    EXPECT_FALSE(CompoundFile::open(QByteArray(4096, 'x')));
    QByteArray wrongShift = good;
    wrongShift[30] = 12; // 4096-byte sectors in a version 3 file
    EXPECT_FALSE(CompoundFile::open(wrongShift));
}

// Damaged links: each must end in "no stream", quickly, without reading
// outside the file (the sanitizer build watches the reads).
TEST(CompoundFile, DamagedChainsAndTreesEndCleanly)
{
    const QByteArray big = buildCompoundFile(u"Workbook"_s, pattern(20000));
    const QByteArray small = buildCompoundFile(u"Workbook"_s, pattern(1000));
    const quint32 fatStart = 512; // the first FAT sector follows the header
    const quint32 directory = 512 * (readU32(big, 48) + 1);
    const quint32 streamStart = readU32(big, directory + 128 + 116);

    struct Damage
    {
        const char *what;
        QByteArray file;
    };
    std::vector<Damage> cases;
    {
        QByteArray file = big; // the stream's first sector points to itself
        putU32(file, fatStart + 4 * streamStart, streamStart);
        cases.push_back({"FAT loop", file});
    }
    {
        QByteArray file = big; // a sector number far past the file
        putU32(file, fatStart + 4 * streamStart, 0x00FFFFFF);
        cases.push_back({"sector out of range", file});
    }
    {
        QByteArray file = big; // stream longer than the file
        putU32(file, directory + 128 + 120, 0x7FFFFFFF);
        cases.push_back({"oversized stream", file});
    }
    {
        QByteArray file = big; // the stream entry is its own left sibling
        putU32(file, directory + 128 + 68, 1);
        putU32(file, directory + 128 + 0, 0x0058); // and no longer named Workbook
        cases.push_back({"directory loop", file});
    }
    {
        const quint32 smallDirectory = 512 * (readU32(small, 48) + 1);
        QByteArray file = small; // mini chain pointing to itself
        const quint32 miniFat = 512 * (readU32(small, 60) + 1);
        putU32(file, miniFat, 0);
        cases.push_back({"mini FAT loop", file});
        QByteArray outside = small; // mini stream smaller than the stream in it
        putU32(outside, smallDirectory + 120, 64);
        cases.push_back({"short mini stream", outside});
    }
    for (const Damage &damage : cases) {
        const auto opened = CompoundFile::open(damage.file);
        if (opened) {
            EXPECT_FALSE(opened->stream(u"Workbook"_s)) << damage.what;
        }
    }

    QByteArray difatLoop = big; // DIFAT chain pointing to itself, many sectors
    putU32(difatLoop, 44, 200);
    putU32(difatLoop, 68, 1);
    putU32(difatLoop, 72, 5);
    EXPECT_FALSE(CompoundFile::open(difatLoop));
}

} // namespace
