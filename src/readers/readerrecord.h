#pragma once

#include <QString>

namespace songtao {

// One row of the reader table, field by field. Kept as named fields rather
// than one joined text, so a "," in a name or class cannot shift the others.
struct ReaderRecord
{
    QString className; // 班别
    QString name; // 姓名
    QString cardNumber; // 借书证号
    QString bookNumbers; // 图书编号串
    QString lendingDates; // 日期编号串
    QString titles; // 书名串

    bool isEmpty() const { return cardNumber.isEmpty() && name.isEmpty() && className.isEmpty(); }
    friend bool operator==(const ReaderRecord &, const ReaderRecord &) = default;
};

} // namespace songtao
