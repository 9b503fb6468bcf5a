#include "app/appstate.h"
#include "app/loginwindow.h"
#include "app/mainwindow.h"
#include "app/messageboxdialogs.h"
#include "app/pageservices.h"
#include "app/passwordfile.h"
#include "app/verificationcode.h"
#include "common/clock.h"
#include "common/programend.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    // Standard buttons of message boxes read 确定 / 取消.
    QTranslator qtTranslator;
    if (qtTranslator.load(u"qtbase_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // The forms are laid out for 12-pixel text.
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);

    songtao::AppState state;
    songtao::MessageBoxDialogs dialogs;
    songtao::SystemClock clock;
    songtao::PasswordFile passwordFile(songtao::PasswordFile::defaultPath());
    songtao::ClockSeededRandom random;
    songtao::PageServices services{state, dialogs, clock, passwordFile};

    // Ending the program is immediate, with exit code 0, from wherever it is
    // asked for; the data objects are closed on the way out.
    songtao::setProgramEndHandler([&state] {
        state.closeData();
        std::fflush(nullptr);
        std::_Exit(0);
    });

    QPointer<songtao::LoginWindow> loginWindow =
        new songtao::LoginWindow(state, dialogs, passwordFile, random);
    std::unique_ptr<songtao::MainWindow> mainWindow;
    dialogs.setParent(loginWindow);
    QObject::connect(loginWindow, &songtao::LoginWindow::loginAccepted, loginWindow, [&] {
        dialogs.setParent(nullptr);
        mainWindow = std::make_unique<songtao::MainWindow>(services, loginWindow);
        dialogs.setParent(mainWindow.get());
        mainWindow->show();
    });
    loginWindow->show();

    QApplication::exec();
    mainWindow.reset();
    delete loginWindow;
    return 0;
}
