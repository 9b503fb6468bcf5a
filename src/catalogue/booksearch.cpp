#include "catalogue/booksearch.h"

#include "app/appstate.h"
#include "common/clock.h"
#include "common/datetimetext.h"
#include "common/dialogs.h"
#include "common/numbertext.h"
#include "store/schema.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

SearchOutcome BookSearch::search(SearchKind kind, const QString &text,
                                 const QString &rowsPerPageText, BookListSink &sink)
{
    if (kind != SearchKind::AllBooks && text.isEmpty()) {
        sink.showStatus(u"请输入要搜索的内容"_s);
        return SearchOutcome::SearchTextMissing;
    }
    m_state.pageStart = 0;
    m_state.rowsPerPage = textToInt(rowsPerPageText);
    if (m_state.rowsPerPage <= 0) {
        m_dialogs.notify(u"请输入大于0的数"_s, kNoticeTitle);
        return SearchOutcome::RowsPerPageNotPositive;
    }
    fill(kind, text, sink);
    return SearchOutcome::Filled;
}

void BookSearch::previousPage(SearchKind kind, BookListSink &sink)
{
    // A rejected page size stays stored; paging with it would list the whole
    // catalogue unpaged or walk to negative offsets.
    if (kind != SearchKind::AllBooks || m_state.pageStart == 0 || m_state.rowsPerPage <= 0)
        return;
    m_state.pageStart = std::max(0, m_state.pageStart - m_state.rowsPerPage);
    fill(kind, {}, sink);
}

void BookSearch::nextPage(SearchKind kind, BookListSink &sink)
{
    if (kind != SearchKind::AllBooks || m_state.rowsPerPage <= 0)
        return;
    // Tested before advancing: past the end come empty pages, then the first.
    if (m_state.bookTotal < m_state.pageStart)
        m_state.pageStart = 0;
    else
        m_state.pageStart += m_state.rowsPerPage;
    fill(kind, {}, sink);
}

void BookSearch::countBooksIfNeeded()
{
    if (m_state.bookTotal != 0)
        return;
    if (!m_state.bookTable.isOpen())
        m_state.bookTable.open(kBookTable, m_state.database);
    m_state.bookTotal = m_state.bookTable.rowCount();
}

void BookSearch::listRows(int firstNumber, BookListSink &sink)
{
    RecordSet &records = m_state.recordSet;
    const int title = records.columnIndex(u"书名"_s);
    const int author = records.columnIndex(u"著译者"_s);
    const int number = records.columnIndex(u"图书编号"_s);
    const int shelf = records.columnIndex(u"书架名称"_s);
    const int count = records.recordCount();
    for (int i = 1; i <= count && records.step(); ++i) {
        sink.appendRow({firstNumber + i, records.readColumn(title), records.readColumn(author),
                        records.readColumn(number), records.readColumn(shelf)});
    }
    records.close();
}

void BookSearch::fill(SearchKind kind, const QString &text, BookListSink &sink)
{
    sink.clearRows();
    const QDateTime start = m_clock.now();
    countBooksIfNeeded();
    const QString total = integerText(m_state.bookTotal);
    RecordSet &records = m_state.recordSet;

    if (kind == SearchKind::AllBooks) {
        // Integers of our own, not typed text: safe to write into the statement.
        const QString statement = u"select * from 图书数据 limit %1 offset %2"_s.arg(
            integerText(m_state.rowsPerPage), integerText(m_state.pageStart));
        if (records.query(statement) && records.countAndRewind()) {
            sink.showStatus(u"正在显示符合条件的图书"_s);
            listRows(m_state.pageStart, sink);
        } else {
            records.close();
        }
        sink.showStatus(u"浏览全部图书，当前图书总数："_s + total);
        return;
    }

    QString statement;
    QString value = text;
    switch (kind) {
    case SearchKind::Title:
        statement = u"select * from 图书数据 where 书名 like ?"_s;
        value = u'%' + text + u'%';
        break;
    case SearchKind::BookNumber:
        statement = u"select * from 图书数据 where 图书编号 = ?"_s;
        break;
    case SearchKind::Barcode:
        statement = u"select * from 图书数据 where 条形码 = ?"_s;
        break;
    case SearchKind::AllBooks:
        break;
    }
    if (!records.query(statement, {value}) || !records.countAndRewind()) {
        records.close();
        return;
    }
    const int found = records.recordCount();
    const QDateTime end = m_clock.now();
    sink.showStatus(u"正在显示符合条件的图书"_s);
    listRows(0, sink);
    sink.showStatus(u"查询结束，耗时"_s + integerText(elapsedWholeSeconds(start, end))
                    + u"秒，搜索到"_s + integerText(found) + u"个记录，当前图书总数："_s + total);
}

} // namespace songtao
