#pragma once

#include "app/appstate.h"
#include "common/clock.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace songtao::test {

// A library in a fresh folder: the shared state with its four tables made,
// scripted dialogs and a clock that stands at 21 March 2016 15:40:06.
class LibraryFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    void addBook(const QString &bookNumber, const QString &title, const QString &barcode = {},
                 const QString &author = {}, const QString &shelf = {});
    void addReader(const QString &className, const QString &name, const QString &cardNumber,
                   const QString &books = QStringLiteral("0"),
                   const QString &dates = QStringLiteral("0"),
                   const QString &titles = QStringLiteral("0"));
    // All rows of a table, each row's columns joined by "|", in table order.
    QStringList tableRows(const QString &table);

    TempFolder folder;
    AppState state;
    ScriptedDialogs dialogs;
    ManualClock clock{QDateTime(QDate(2016, 3, 21), QTime(15, 40, 6))};
};

} // namespace songtao::test
