#include "synthetic.h"

#include "common/datetimetext.h"
#include "store/database.h"
#include "store/schema.h"
#include "workbook/templates.h"
#include "workbook/workbooklink.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

const QString kTitleCharacters =
    u"红楼梦西游记水浒传三国演义儿童文学科学百科历史故事数学物理化学生物地理语文英语"
    u"小王子海底两万里城南旧事骆驼祥子朝花夕拾繁星春水钢铁是怎样炼成的昆虫记"
    u"中华上下五千年十万个为什么安徒生童话格林寓言伊索唐诗宋词元曲读本新编选集"_s;
const QString kSurnames = u"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾"_s;
const QString kGivenNames = u"伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰萍红"_s;
const QString kShelves[] = {u"文学书架一"_s, u"科普书架二"_s, u"历史书架三"_s, u"工具书架"_s};
const QString kPublishers[] = {u"人民文学出版社"_s, u"少年儿童出版社"_s, u"中华书局"_s,
                               u"科学出版社"_s};

} // namespace

QString SyntheticLibrary::pick(const QString &alphabet, int minLength, int maxLength)
{
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> index(0, int(alphabet.size()) - 1);
    QString text;
    for (int n = length(m_random); n > 0; --n)
        text += alphabet[index(m_random)];
    return text;
}

QString SyntheticLibrary::title()
{
    return pick(kTitleCharacters, 2, 12);
}

QString SyntheticLibrary::personName()
{
    return pick(kSurnames, 1, 1) + pick(kGivenNames, 1, 2);
}

QString SyntheticLibrary::className()
{
    std::uniform_int_distribution<int> grade(1, 6);
    std::uniform_int_distribution<int> group(1, 8);
    return u"%1年级%2班"_s.arg(grade(m_random)).arg(group(m_random));
}

QString SyntheticLibrary::bookNumber(int index)
{
    return u"A%1"_s.arg(index, 5, 10, QLatin1Char('0'));
}

QString SyntheticLibrary::cardNumber(int index)
{
    return u"2014%1"_s.arg(index, 5, 10, QLatin1Char('0'));
}

QStringList SyntheticLibrary::bookRow(int index)
{
    std::uniform_int_distribution<int> small(0, 3);
    std::uniform_int_distribution<int> pages(80, 900);
    return {u"978702%1"_s.arg(index, 7, 10, QLatin1Char('0')),
            bookNumber(index),
            u"I24%1"_s.arg(small(m_random)),
            u"文学"_s,
            u"1"_s,
            title(),
            personName(),
            kPublishers[small(m_random)],
            QString::number(pages(m_random)),
            u"32开"_s,
            u"2010.%1"_s.arg(small(m_random) + 1),
            u"1"_s,
            u"%1.5"_s.arg(pages(m_random) / 10),
            kShelves[small(m_random)],
            u"2015年9月1日"_s,
            u"0"_s};
}

bool SyntheticLibrary::addBooks(Database &database, int count)
{
    if (!database.beginTransaction())
        return false;
    const QString insert = u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s;
    for (int i = 1; i <= count; ++i) {
        if (!database.execute(insert, bookRow(i))) {
            database.rollbackTransaction();
            return false;
        }
    }
    return database.commitTransaction();
}

bool SyntheticLibrary::addReaders(Database &database, int count)
{
    if (!database.beginTransaction())
        return false;
    for (int i = 1; i <= count; ++i) {
        if (!database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s,
                              {className(), personName(), cardNumber(i), u"0"_s, u"0"_s, u"0"_s})) {
            database.rollbackTransaction();
            return false;
        }
    }
    return database.commitTransaction();
}

bool SyntheticLibrary::addReportRows(Database &database, int count, int bookCount)
{
    if (!database.beginTransaction())
        return false;
    std::uniform_int_distribution<int> book(1, std::max(1, bookCount));
    std::uniform_int_distribution<int> year(2014, 2017);
    std::uniform_int_distribution<int> day(0, 360);
    for (int i = 1; i <= count; ++i) {
        const int y = year(m_random);
        const QDate lent = QDate(y, 1, 1).addDays(day(m_random));
        if (!database.execute(u"insert into 借阅报表 values(?,?,?,?,?,?)"_s,
                              {QString::number(y), bookNumber(book(m_random)), title(),
                               className() + u' ' + personName(), dateText(lent),
                               dateText(lent.addDays(5))})) {
            database.rollbackTransaction();
            return false;
        }
    }
    return database.commitTransaction();
}

bool SyntheticLibrary::addLoans(Database &database, int count)
{
    if (!database.beginTransaction())
        return false;
    std::uniform_int_distribution<int> day(1, 31);
    for (int i = 1; i <= count; ++i) {
        const QString book = bookNumber(i);
        const QString card = cardNumber(i);
        const QString title = u"借出的书%1"_s.arg(i);
        const QString lentOn = dateText(QDate(2016, 3, day(m_random)));
        const bool written =
            database.execute(
                u"update 读者数据 set 图书编号串=?,日期编号串=?,书名串=? where 借书证号=?"_s,
                {book + u'|', lentOn + u'|', title + u'|', card})
            && database.execute(u"insert into 借出数据 values(?,?)"_s, {book, card})
            && database.execute(u"insert into 借阅报表 values('2016',?,?,?,?,'')"_s,
                                {book, title, className() + u' ' + personName(), lentOn});
        if (!written) {
            database.rollbackTransaction();
            return false;
        }
    }
    return database.commitTransaction();
}

bool SyntheticLibrary::addBooksWithMarkedTitles(Database &database, int count, int marked,
                                                const QString &word)
{
    const int plain = count - marked;
    if (!addBooks(database, plain) || !database.beginTransaction())
        return false;
    for (int i = plain + 1; i <= count; ++i) {
        QStringList row = bookRow(i);
        row[5] = title() + word + title();
        if (!database.execute(u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s,
                              row)) {
            database.rollbackTransaction();
            return false;
        }
    }
    return database.commitTransaction();
}

bool SyntheticLibrary::writeBookWorkbook(const QString &path, int count)
{
    WorkbookLink link;
    if (!writeTemplate(WorkbookTemplate::Books, path) || !link.connect(path))
        return false;
    const QStringList &columns = bookColumns();
    for (int i = 1; i <= count; ++i) {
        const QStringList row = bookRow(i);
        QList<QPair<QString, QString>> named;
        for (qsizetype c = 0; c < columns.size(); ++c)
            named.append({columns[c], row[c]});
        if (!link.insertRow(u"Sheet1"_s, named))
            return false;
    }
    return link.disconnect();
}

} // namespace songtao::bench
