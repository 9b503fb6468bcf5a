#pragma once

#include <QString>
#include <QStringList>

#include <random>

namespace songtao {
class Database;
}

namespace songtao::bench {

// A school library that looks real enough to measure on: GBK titles of
// common characters, class and pupil names, book numbers like A00001.
class SyntheticLibrary
{
public:
    explicit SyntheticLibrary(unsigned seed = 20161221) : m_random(seed) { }

    QString title();
    QString personName();
    QString className();
    static QString bookNumber(int index);
    static QString cardNumber(int index);

    // One row of the book table, in its stored column order.
    QStringList bookRow(int index);

    // Each writes through the data store, inside one transaction.
    bool addBooks(Database &database, int count);
    // `count` books, the last `marked` of which hold `word` inside their
    // titles (no other title does), so that a title search for it lists
    // exactly `marked` books.
    bool addBooksWithMarkedTitles(Database &database, int count, int marked, const QString &word);
    bool addReaders(Database &database, int count);
    // Report rows spread over the years 2014 to 2017.
    bool addReportRows(Database &database, int count, int bookCount);
    // Readers 1..count each have book i out since a day in March 2016, in
    // their loan strings, the lent-out table and an open report row, as a
    // lending writes them. The books must exist.
    bool addLoans(Database &database, int count);

    // A book workbook of `count` rows, as the book export writes it.
    bool writeBookWorkbook(const QString &path, int count);

private:
    QString pick(const QString &alphabet, int minLength, int maxLength);
    std::mt19937 m_random;
};

} // namespace songtao::bench
