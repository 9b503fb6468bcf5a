#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace songtao::test {

using namespace Qt::Literals::StringLiterals;

// Values that stress the shared-string table: Chinese and Latin-1 text,
// quotes, brackets, line breaks, numbers kept as text, long strings that
// run over CONTINUE records, and many rows.
inline QList<QStringList> trickyRows()
{
    QList<QStringList> rows;
    rows.append({u"A00001"_s, u"红楼梦"_s, u"初一(3)班 张三"_s, u"2016年3月21日"_s, QString()});
    rows.append({u"'"_s, u"It's [x] \"y\""_s, u"Café ü ñ"_s, u"00123"_s, u"第一行\n第二行"_s});
    rows.append(
        {u"A00003"_s, QString(9000, u'书'), u"a"_s.repeated(9000), u" 前后有空格 "_s, u"𠀀"_s});
    for (int i = 0; i < 3000; ++i)
        rows.append({u"B%1"_s.arg(i, 5, 10, QChar(u'0')), u"书名%1"_s.arg(i % 700),
                     u"班级%1 学生"_s.arg(i % 40), u"2016年%1月1日"_s.arg(i % 12 + 1),
                     i % 3 ? QString() : u"2016年12月1日"_s});
    return rows;
}

inline const QStringList kHeadings{u"图书编号"_s, u"书名"_s, u"借阅者"_s, u"借书日期"_s,
                                   u"还书日期"_s};

} // namespace songtao::test
