#include "catalogue/booksearch.h"
#include "support/libraryfixture.h"

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class CollectingSink final : public BookListSink
{
public:
    void clearRows() override { rows.clear(); }
    void appendRow(const BookListRow &row) override { rows.append(row); }
    void showStatus(const QString &text) override { statuses.append(text); }

    QList<int> numbers() const
    {
        QList<int> result;
        for (const BookListRow &row : rows)
            result << row.number;
        return result;
    }
    QStringList bookNumbers() const
    {
        QStringList result;
        for (const BookListRow &row : rows)
            result << row.bookNumber;
        return result;
    }

    QList<BookListRow> rows;
    QStringList statuses;
};

class BookSearchTest : public test::LibraryFixture
{
protected:
    void addNumberedBooks(int count)
    {
        ASSERT_TRUE(state.database.beginTransaction());
        for (int i = 1; i <= count; ++i)
            addBook(u"B%1"_s.arg(i), u"书%1"_s.arg(i));
        ASSERT_TRUE(state.database.commitTransaction());
    }

    BookSearch search{state, clock, dialogs};
    CollectingSink sink;
};

TEST_F(BookSearchTest, TitleSearchListsEveryMatchWithTimingAndTotal)
{
    addBook(u"A00001"_s, u"红楼梦"_s, u"978"_s, u"曹雪芹"_s, u"文学书架一"_s);
    addBook(u"A00002"_s, u"西游记"_s);
    addBook(u"A00003"_s, u"红楼梦新证"_s, {}, u"周汝昌"_s, u"文学书架二"_s);

    EXPECT_EQ(search.search(SearchKind::Title, u"红楼"_s, u"500"_s, sink), SearchOutcome::Filled);
    ASSERT_EQ(sink.rows.size(), 2);
    EXPECT_EQ(sink.numbers(), (QList<int>{1, 2}));
    EXPECT_EQ(sink.rows[0].title, u"红楼梦"_s);
    EXPECT_EQ(sink.rows[0].author, u"曹雪芹"_s);
    EXPECT_EQ(sink.rows[0].bookNumber, u"A00001"_s);
    EXPECT_EQ(sink.rows[1].shelf, u"文学书架二"_s);
    EXPECT_EQ(sink.statuses,
              (QStringList{u"正在显示符合条件的图书"_s,
                           u"查询结束，耗时0秒，搜索到2个记录，当前图书总数：3"_s}));
    EXPECT_EQ(state.rowsPerPage, 500);
}

TEST_F(BookSearchTest, ExactKindsAreCaseSensitiveAndWildcardsWorkInTitles)
{
    addBook(u"A00001"_s, u"100%纯棉"_s, u"9787020002207"_s);
    addBook(u"a00001"_s, u"1000个为什么"_s);
    addBook(u"A00003"_s, u"O'Brien 的书"_s);

    const struct
    {
        SearchKind kind;
        QString text;
        QStringList found;
    } cases[] = {
        {SearchKind::BookNumber, u"A00001"_s, {u"A00001"_s}},
        {SearchKind::BookNumber, u"a00001"_s, {u"a00001"_s}},
        {SearchKind::BookNumber, u"A0000"_s, {}},
        {SearchKind::Barcode, u"9787020002207"_s, {u"A00001"_s}},
        {SearchKind::Barcode, u"978702000220"_s, {}},
        {SearchKind::Title, u"100%"_s, {u"A00001"_s, u"a00001"_s}}, // "%" is a wildcard
        {SearchKind::Title, u"10_%纯"_s, {u"A00001"_s}},
        {SearchKind::Title, u"o'brien"_s, {u"A00003"_s}},
        {SearchKind::Title, u"' or '1'='1"_s, {}},
    };
    for (const auto &c : cases) {
        search.search(c.kind, c.text, u"500"_s, sink);
        EXPECT_EQ(sink.bookNumbers(), c.found) << c.text.toStdString();
    }
}

TEST_F(BookSearchTest, ElapsedSecondsRunFromStartToEndOfTheQuery)
{
    class TickingClock final : public Clock
    {
    public:
        QDateTime now() const override { return m_now = m_now.addSecs(3); }

    private:
        mutable QDateTime m_now{QDate(2016, 3, 21), QTime(23, 59, 58)};
    } ticking;
    addBook(u"A1"_s, u"书"_s);
    BookSearch timed(state, ticking, dialogs);
    timed.search(SearchKind::Title, u"书"_s, u"500"_s, sink);
    EXPECT_EQ(sink.statuses.constLast(), u"查询结束，耗时3秒，搜索到1个记录，当前图书总数：1"_s);
}

TEST_F(BookSearchTest, RefusesMissingTextAndNonPositivePageSize)
{
    addBook(u"A1"_s, u"书"_s);
    search.search(SearchKind::Title, u"书"_s, u"500"_s, sink);
    sink.statuses.clear();

    EXPECT_EQ(search.search(SearchKind::Title, u""_s, u"500"_s, sink),
              SearchOutcome::SearchTextMissing);
    EXPECT_EQ(sink.statuses, QStringList{u"请输入要搜索的内容"_s});
    EXPECT_EQ(sink.rows.size(), 1); // the list keeps its rows
    EXPECT_TRUE(dialogs.shown().isEmpty());

    for (const QString &rows : {u"0"_s, u"abc"_s, u"-5"_s}) {
        dialogs.clear();
        EXPECT_EQ(search.search(SearchKind::AllBooks, u""_s, rows, sink),
                  SearchOutcome::RowsPerPageNotPositive);
        EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"请输入大于0的数"_s});
        EXPECT_EQ(dialogs.shown().constFirst().title, u"提示"_s);
        EXPECT_EQ(state.pageStart, 0);
        EXPECT_EQ(sink.rows.size(), 1);
    }
    EXPECT_EQ(state.rowsPerPage, -5);
    // Paging with the rejected size does nothing rather than listing everything.
    search.nextPage(SearchKind::AllBooks, sink);
    EXPECT_EQ(state.pageStart, 0);
    EXPECT_EQ(sink.rows.size(), 1);
}

TEST_F(BookSearchTest, BrowsingPagesNumberRowsAndWrapAfterAnEmptyPage)
{
    addNumberedBooks(1000);
    search.search(SearchKind::AllBooks, u"ignored"_s, u"500"_s, sink);
    EXPECT_EQ(sink.numbers().first(), 1);
    EXPECT_EQ(sink.numbers().last(), 500);
    EXPECT_EQ(sink.statuses.constLast(), u"浏览全部图书，当前图书总数：1000"_s);

    QList<int> starts{state.pageStart};
    QList<qsizetype> sizes{sink.rows.size()};
    for (int i = 0; i < 4; ++i) {
        search.nextPage(SearchKind::AllBooks, sink);
        starts << state.pageStart;
        sizes << sink.rows.size();
        if (state.pageStart == 500) {
            EXPECT_EQ(sink.numbers().first(), 501);
            EXPECT_EQ(sink.numbers().last(), 1000);
        }
    }
    EXPECT_EQ(starts, (QList<int>{0, 500, 1000, 1500, 0}));
    EXPECT_EQ(sizes, (QList<qsizetype>{500, 500, 0, 0, 500}));
    EXPECT_EQ(sink.statuses.constLast(), u"浏览全部图书，当前图书总数：1000"_s);

    // Previous page: nothing at the first page, floors at 0 otherwise.
    sink.statuses.clear();
    search.previousPage(SearchKind::AllBooks, sink);
    EXPECT_TRUE(sink.statuses.isEmpty());
    state.pageStart = 300;
    search.previousPage(SearchKind::AllBooks, sink);
    EXPECT_EQ(state.pageStart, 0);
    EXPECT_EQ(sink.numbers().first(), 1);
    // Paging buttons do nothing for the search kinds.
    state.pageStart = 500;
    search.previousPage(SearchKind::Title, sink);
    search.nextPage(SearchKind::Barcode, sink);
    EXPECT_EQ(state.pageStart, 500);
}

TEST_F(BookSearchTest, TotalIsCachedUntilResetAndRecountedWhileZero)
{
    search.search(SearchKind::AllBooks, {}, u"500"_s, sink);
    EXPECT_EQ(sink.statuses.constLast(), u"浏览全部图书，当前图书总数：0"_s);
    addBook(u"A1"_s, u"书"_s);
    search.search(SearchKind::AllBooks, {}, u"500"_s, sink); // 0 means "count again"
    EXPECT_EQ(sink.statuses.constLast(), u"浏览全部图书，当前图书总数：1"_s);
    addBook(u"A2"_s, u"书"_s);
    search.search(SearchKind::AllBooks, {}, u"500"_s, sink);
    EXPECT_EQ(sink.statuses.constLast(), u"浏览全部图书，当前图书总数：1"_s);
    EXPECT_EQ(sink.rows.size(), 2);
    state.bookTotal = 0; // as an import or a clearing does
    search.search(SearchKind::AllBooks, {}, u"500"_s, sink);
    EXPECT_EQ(sink.statuses.constLast(), u"浏览全部图书，当前图书总数：2"_s);
}

TEST_F(BookSearchTest, AFailedQueryLeavesTheListEmpty)
{
    addBook(u"A1"_s, u"书"_s);
    search.search(SearchKind::Title, u"书"_s, u"500"_s, sink);
    ASSERT_TRUE(state.database.execute(u"DROP TABLE 图书数据"_s));
    sink.statuses.clear();
    search.search(SearchKind::Title, u"书"_s, u"500"_s, sink);
    EXPECT_TRUE(sink.rows.isEmpty());
    EXPECT_TRUE(sink.statuses.isEmpty()); // the status line keeps its text
    search.search(SearchKind::AllBooks, {}, u"500"_s, sink);
    EXPECT_TRUE(sink.rows.isEmpty());
    EXPECT_EQ(sink.statuses.constLast(), u"浏览全部图书，当前图书总数：1"_s);
}

} // namespace
