#include "app/appstate.h"
#include "app/placeholderwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    // Standard buttons of message boxes read 确定 / 取消.
    QTranslator qtTranslator;
    if (qtTranslator.load(u"qtbase_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    songtao::AppState state;
    songtao::PlaceholderWindow window;
    window.show();
    QApplication::exec();
    return 0;
}
