#pragma once

#include <QWidget>

class QTabBar;

namespace songtao {

// A tab control whose pages cover the whole control, headers included, as
// on the desktop the design was made for: a control on a page at (x, y)
// sits at (x, y) of the tab control. The tab headers lie over the pages'
// top strip, which the designs leave free.
class TabControl final : public QWidget
{
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);

    // Adds a page under a header reading `name`; the control takes it over.
    int addPage(QWidget *page, const QString &name);

    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    QWidget *page(int index) const;
    QTabBar *tabBar() const { return m_tabBar; }

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showPage(int index);

    QTabBar *m_tabBar;
    QList<QWidget *> m_pages;
};

} // namespace songtao
