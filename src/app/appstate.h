#pragma once

#include "readers/readerrecord.h"
#include "store/booktable.h"
#include "store/database.h"
#include "store/fielddefinition.h"
#include "store/recordset.h"
#include "workbook/workbooklink.h"

#include <QString>

namespace songtao {

// What the application keeps for its whole run. There is one thread, so
// nothing here needs a lock; every handler runs to completion.
struct AppState
{
    // Wrong passwords since the last reset (login window and password page).
    int passwordFailureCount = 0;
    // The four characters last drawn on the login window.
    QString verificationCode;
    // Cached number of books; 0 means "not counted yet".
    int bookTotal = 0;
    // Rows skipped before the page shown when browsing all books.
    int pageStart = 0;
    // Page size when browsing; read from its box at set-up and each search.
    int rowsPerPage = 0;
    // True until the reader list has been filled once after login.
    bool readerPagePending = false;
    // Edge zone of the main window last found under the pointer, or empty.
    QString resizeZone;

    Database database;
    BookTable bookTable;
    RecordSet recordSet{database};

    // The one connection to a workbook of the imports and exports. Rows an
    // export inserted are written when it is closed or replaced, and at the
    // latest when the state is released.
    WorkbookLink workbookLink;

    // Column list of the last table creation.
    FieldDefinitions fieldDefinitions;
    FieldDefinition fieldDefinition;

    // Card number whose loans the lending page shows.
    QString shownCardNumber;
    // The reader last looked up by card number.
    ReaderRecord currentReader;
    // Title found by the last book lookup of a lending.
    QString currentBookTitle;

    AppState() = default;
    AppState(const AppState &) = delete;
    AppState &operator=(const AppState &) = delete;
    // Closes in the teardown's order: record set, book table, database.
    ~AppState() { closeData(); }

    void closeData()
    {
        workbookLink.disconnect();
        recordSet.close();
        bookTable.close();
        database.close();
    }
};

} // namespace songtao
