#include "app/tabcontrol.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace songtao {
namespace {

// The designs keep the top 24 pixels of every page free for the headers.
constexpr int kHeaderHeight = 24;

} // namespace

TabControl::TabControl(QWidget *parent) : QWidget(parent), m_tabBar(new QTabBar(this))
{
    // The control takes the mouse: the window behind never sees the pointer
    // over it, so no edge zone or window drag starts here.
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoFillBackground(true);
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(true);
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
}

int TabControl::addPage(QWidget *page, const QString &name)
{
    page->setParent(this);
    page->setGeometry(rect());
    page->setVisible(m_pages.isEmpty());
    m_pages.append(page);
    m_tabBar->raise();
    return m_tabBar->addTab(name);
}

int TabControl::count() const
{
    return m_tabBar->count();
}

int TabControl::currentIndex() const
{
    return m_tabBar->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_tabBar->setCurrentIndex(index);
}

QString TabControl::tabText(int index) const
{
    return m_tabBar->tabText(index);
}

QWidget *TabControl::page(int index) const
{
    return m_pages.value(index);
}

void TabControl::showPage(int index)
{
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
    Q_EMIT currentChanged(index);
}

void TabControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = rect().adjusted(0, kHeaderHeight - 2, 0, 0);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarRect = m_tabBar->geometry();
    option.tabBarSize = m_tabBar->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
}

void TabControl::resizeEvent(QResizeEvent *)
{
    m_tabBar->setGeometry(2, 0, width() - 4, kHeaderHeight);
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(rect());
}

void TabControl::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void TabControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace songtao
