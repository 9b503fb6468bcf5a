#pragma once

#include "app/windowdrag.h"

#include <QWidget>

#include <memory>

namespace Ui {
class MainWindow;
}

namespace songtao {

struct PageServices;
class BooksPage;
class DataPage;
class LendingPage;
class PasswordPage;
class ReadersPage;
class ReportPage;
class SearchPage;

// The borderless main window: its own title row, edge zones handed to the
// window system for resizing, the centred tab control with the seven pages.
// It only wires the pages together; each page owns its behaviour.
class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    // Runs the set-up, which destroys `loginWindow` (later, from the event
    // loop, since the login window's own click handler is still running).
    MainWindow(PageServices &services, QWidget *loginWindow, QWidget *parent = nullptr);
    // The teardown: the workbook preview, then the data objects.
    ~MainWindow() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void addPages();
    void runSetUp(QWidget *loginWindow);
    void runLayoutStep();
    void trackZone(QPoint position);
    void pageChanged();
    void maximise();
    void restore();

    std::unique_ptr<Ui::MainWindow> m_ui;
    PageServices &m_services;
    PasswordPage *m_passwordPage = nullptr;
    DataPage *m_dataPage = nullptr;
    BooksPage *m_booksPage = nullptr;
    ReportPage *m_reportPage = nullptr;
    ReadersPage *m_readersPage = nullptr;
    SearchPage *m_searchPage = nullptr;
    LendingPage *m_lendingPage = nullptr;
    WindowDrag m_drag{this};
    // Where "restore" puts the window back.
    QRect m_normalGeometry;
    // Off while the pointer is in an edge zone: a press there resizes.
    bool m_dragAnywhere = true;
};

} // namespace songtao
