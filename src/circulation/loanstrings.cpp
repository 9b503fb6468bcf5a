#include "circulation/loanstrings.h"

#include "readers/readerrecord.h"
#include "store/database.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

QString appended(const QString &loanString, const QString &item)
{
    return (loanString == kNoLoansMarker ? QString() : loanString) + item + u'|';
}

} // namespace

QStringList loanItems(const QString &loanString)
{
    if (loanString.isEmpty())
        return {};
    QStringList items = loanString.split(u'|');
    if (loanString.endsWith(u'|'))
        items.removeLast();
    return items;
}

QString joinLoanItems(const QStringList &items)
{
    if (items.isEmpty())
        return kNoLoansMarker;
    return items.join(u'|') + u'|';
}

QString titleItem(const QString &title)
{
    QString item = title;
    item.replace(u'|', u'｜');
    return item;
}

LoanStrings withLoanAppended(const ReaderRecord &reader, const QString &bookNumber,
                             const QString &dateText, const QString &title)
{
    return {appended(reader.bookNumbers, bookNumber), appended(reader.lendingDates, dateText),
            appended(reader.titles, titleItem(title))};
}

bool updateLoanStrings(Database &database, const QString &cardNumber, const LoanStrings &loans)
{
    return database.execute(
        u"update 读者数据 set 图书编号串=?,日期编号串=?,书名串=? where 借书证号=?"_s,
        {loans.bookNumbers, loans.dates, loans.titles, cardNumber});
}

} // namespace songtao
