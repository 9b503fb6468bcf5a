#pragma once

#include <QString>

#include <functional>

namespace songtao {

struct AppState;
class Dialogs;

// The parts of the main window's set-up that touch widgets, handed in by
// the window so that the order of the whole set-up lives in one place.
struct MainWindowSetUpHooks
{
    std::function<void()> destroyLoginWindow;
    std::function<void()> prepareImportPreview;
    std::function<QString()> rowsPerPageText;
    std::function<void()> selectLendingPage;
};

// Runs once when the main window has been made, before it takes input:
// drops the login window, resets the shared state, selects "借书还书" and
// makes the four tables ready, reporting each that fails and going on.
void runMainWindowSetUp(AppState &state, Dialogs &dialogs, const MainWindowSetUpHooks &hooks);

// What a visit to a page fills.
struct PageChangeHooks
{
    std::function<void()> fillReaderList;
    std::function<void()> refreshBackupList;
};

inline const QString kReadersPageName = QStringLiteral("读者管理");
inline const QString kDataPageName = QStringLiteral("数据管理");

// The reader list is filled on the first visit to its page after login; the
// backup list on every visit to its page.
void runPageChange(AppState &state, const std::function<QString()> &selectedPageName,
                   const PageChangeHooks &hooks);

} // namespace songtao
