#include "app/placeholderwindow.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

PlaceholderWindow::PlaceholderWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(u"松涛竹韵图书管理系统"_s);
    setGeometry(50, 50, 380, 250);
}

} // namespace songtao
