#include "app/mainwindowsteps.h"

#include "app/appstate.h"
#include "common/numbertext.h"
#include "store/schema.h"
#include "store/tablecheck.h"

namespace songtao {

void runMainWindowSetUp(AppState &state, Dialogs &dialogs, const MainWindowSetUpHooks &hooks)
{
    hooks.destroyLoginWindow();
    state.readerPagePending = true;
    hooks.prepareImportPreview();
    state.pageStart = 0;
    state.rowsPerPage = textToInt(hooks.rowsPerPageText());
    state.bookTotal = 0;
    state.passwordFailureCount = 0;
    hooks.selectLendingPage();
    ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath());
}

void runPageChange(AppState &state, const std::function<QString()> &selectedPageName,
                   const PageChangeHooks &hooks)
{
    if (selectedPageName() == kReadersPageName && state.readerPagePending) {
        hooks.fillReaderList();
        state.readerPagePending = false;
    }
    // Read afresh: the refill runs its own message boxes in between.
    if (selectedPageName() == kDataPageName)
        hooks.refreshBackupList();
}

} // namespace songtao
