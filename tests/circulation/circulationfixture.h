#pragma once

#include "circulation/circulation.h"
#include "store/schema.h"
#include "support/libraryfixture.h"

#include <functional>

namespace songtao::test {

class RecordingView final : public CirculationView
{
public:
    void showAvailability(const QString &text) override { availability << text; }
    void showBorrower(const QString &text) override { borrower = text; }
    void showLoans(const QString &text, const QList<LoanRow> &shown) override
    {
        readerText = text;
        rows = shown;
    }

    QStringList availability;
    QString borrower;
    QString readerText;
    QList<LoanRow> rows;
};

// A small library: two readers, three books, one of them with "|" in its title.
class CirculationFixture : public LibraryFixture
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        addReader(QStringLiteral("初一(3)班"), QStringLiteral("张 三"),
                  QStringLiteral("201409001"));
        addReader(QStringLiteral("初二(1)班"), QStringLiteral("李四"), QStringLiteral("201409002"));
        addBook(QStringLiteral("A00001"), QStringLiteral("红楼梦"));
        addBook(QStringLiteral("A00002"), QStringLiteral("西游记"));
        addBook(QStringLiteral("A00003"), QStringLiteral("甲|乙"));
    }

    // Everything the four tables hold, for before/after comparisons.
    QStringList allTables()
    {
        QStringList rows;
        for (const QString &table : {kReaderTable, kBookTable, kLentTable, kReportTable})
            rows << table << tableRows(table);
        return rows;
    }

    // A write made to fail by a trigger ("BEFORE <event> ON <table>"), and
    // the message the operation must show for it.
    struct Fault
    {
        QString event;
        QString table;
        QString message;
    };

    // Runs `operation` once per fault, with that write failing: the message
    // is shown, no transaction stays open and all four tables are as before.
    void expectEachFaultChangesNothing(const QList<Fault> &faults,
                                       const std::function<void()> &operation)
    {
        for (const Fault &fault : faults) {
            const QStringList before = allTables();
            ASSERT_TRUE(state.database.execute(
                QStringLiteral("CREATE TRIGGER fault BEFORE ") + fault.event
                + QStringLiteral(" ON ") + fault.table
                + QStringLiteral(" BEGIN SELECT RAISE(ABORT, 'fault'); END")));
            dialogs.clear();
            operation();
            EXPECT_EQ(dialogs.noticeTexts(), QStringList{fault.message});
            EXPECT_FALSE(state.database.inTransaction());
            ASSERT_TRUE(state.database.execute(QStringLiteral("DROP TRIGGER fault")));
            EXPECT_EQ(allTables(), before) << fault.message.toStdString();
        }
    }

    RecordingView view;
    Circulation circulation{state, dialogs, clock, view};
};

} // namespace songtao::test
