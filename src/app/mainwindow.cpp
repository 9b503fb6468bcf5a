#include "app/mainwindow.h"

#include "app/appstate.h"
#include "app/mainwindowsteps.h"
#include "app/pageservices.h"
#include "app/passwordpage.h"
#include "app/pictures.h"
#include "app/tabcontrol.h"
#include "app/windowcolours.h"
#include "app/windowframe.h"
#include "catalogue/bookspage.h"
#include "catalogue/searchpage.h"
#include "circulation/lendingpage.h"
#include "common/programend.h"
#include "readers/readerspage.h"
#include "reports/reportpage.h"
#include "store/datapage.h"
#include "ui_mainwindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace songtao {
namespace {

constexpr int kLendingPageIndex = 6;

WindowPlacement placementOf(Qt::WindowStates states)
{
    if (states & Qt::WindowMinimized)
        return WindowPlacement::Minimised;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return WindowPlacement::Maximised;
    return WindowPlacement::Normal;
}

} // namespace

MainWindow::MainWindow(PageServices &services, QWidget *loginWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::MainWindow>()),
      m_services(services)
{
    loadPictures();
    m_ui->setupUi(this);
    setGeometry(50, 50, 800, 600);
    setMinimumSize(kMinimumWindowWidth, kMinimumWindowHeight);
    setWindowIcon(m_ui->图片框_图标->pixmap());
    // Zone tracking sees the pointer only over the window's own background:
    // the icon, the picture buttons and the tab control keep it to themselves.
    setMouseTracking(true);
    for (QWidget *control :
         {static_cast<QWidget *>(m_ui->图片框_图标), static_cast<QWidget *>(m_ui->图形按钮_最小化),
          static_cast<QWidget *>(m_ui->图形按钮_最大化),
          static_cast<QWidget *>(m_ui->图形按钮_还原),
          static_cast<QWidget *>(m_ui->图形按钮_关闭)}) {
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->setMouseTracking(true);
    }

    // The title is drawn on the background: the pointer over it is the
    // window's, for the zones and for dragging.
    m_ui->透明标签1->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(m_ui->图形按钮_关闭, &QToolButton::clicked, this, [] { endProgram(); });
    connect(m_ui->图形按钮_最小化, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui->图形按钮_最大化, &QToolButton::clicked, this, &MainWindow::maximise);
    connect(m_ui->图形按钮_还原, &QToolButton::clicked, this, &MainWindow::restore);

    addPages();
    connect(m_ui->高级选择夹1, &TabControl::currentChanged, this, &MainWindow::pageChanged);
    runSetUp(loginWindow);
}

MainWindow::~MainWindow()
{
    m_booksPage->closeWorkbookPreview();
    m_services.state.closeData();
}

void MainWindow::addPages()
{
    TabControl *tabs = m_ui->高级选择夹1;
    m_passwordPage = new PasswordPage(m_services);
    m_dataPage = new DataPage(m_services);
    m_booksPage = new BooksPage(m_services);
    m_reportPage = new ReportPage(m_services);
    m_readersPage = new ReadersPage(m_services);
    m_searchPage = new SearchPage(m_services);
    m_lendingPage = new LendingPage(m_services);
    // In index order: the set-up selects by index, the page change step
    // compares names.
    for (QWidget *page :
         {static_cast<QWidget *>(m_passwordPage), static_cast<QWidget *>(m_dataPage),
          static_cast<QWidget *>(m_booksPage), static_cast<QWidget *>(m_reportPage),
          static_cast<QWidget *>(m_readersPage), static_cast<QWidget *>(m_searchPage),
          static_cast<QWidget *>(m_lendingPage)}) {
        tabs->addPage(page, page->windowTitle());
    }
}

void MainWindow::runSetUp(QWidget *loginWindow)
{
    MainWindowSetUpHooks hooks;
    hooks.destroyLoginWindow = [loginWindow] {
        if (loginWindow) {
            loginWindow->hide();
            loginWindow->deleteLater();
        }
    };
    hooks.prepareImportPreview = [this] {
        m_booksPage->prepareImportPreview();
    };
    hooks.rowsPerPageText = [this] {
        return m_searchPage->rowsPerPageText();
    };
    hooks.selectLendingPage = [this] {
        m_ui->高级选择夹1->setCurrentIndex(kLendingPageIndex);
    };
    runMainWindowSetUp(m_services.state, m_services.dialogs, hooks);
}

void MainWindow::pageChanged()
{
    TabControl *tabs = m_ui->高级选择夹1;
    PageChangeHooks hooks;
    hooks.fillReaderList = [this] {
        m_readersPage->fillReaderList();
    };
    hooks.refreshBackupList = [this] {
        m_dataPage->refreshBackupList();
    };
    runPageChange(
        m_services.state, [tabs] { return tabs->tabText(tabs->currentIndex()); }, hooks);
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), kWindowBlue);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    runLayoutStep();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A state change made by the window system also swaps the buttons.
    if (event->type() == QEvent::WindowStateChange)
        runLayoutStep();
}

void MainWindow::runLayoutStep()
{
    const FrameLayout layout = layoutStep(width(), height(), placementOf(windowState()));
    if (layout.changeButtons) {
        m_ui->图形按钮_还原->setVisible(!layout.maximiseVisible);
        m_ui->图形按钮_最大化->setVisible(layout.maximiseVisible);
    }
    if (layout.width != width() || layout.height != height())
        resize(layout.width, layout.height);

    const auto placeAt = [](QWidget *control, int left) {
        control->move(left, control->y());
    };
    placeAt(m_ui->高级选择夹1, layout.tabControlLeft);
    placeAt(m_ui->图形按钮_关闭, layout.closeLeft);
    placeAt(m_ui->图形按钮_最大化, layout.maximiseLeft);
    placeAt(m_ui->图形按钮_还原, layout.maximiseLeft);
    placeAt(m_ui->图形按钮_最小化, layout.minimiseLeft);
}

void MainWindow::maximise()
{
    m_normalGeometry = geometry();
    // Without a window manager nobody acts on the maximised state, so the
    // window takes the screen's free area itself first; a window manager then
    // maximises it to the same place.
    if (QScreen *current = screen())
        setGeometry(current->availableGeometry());
    showMaximized();
    m_ui->图形按钮_最大化->hide();
    m_ui->图形按钮_还原->show();
}

void MainWindow::restore()
{
    showNormal();
    if (m_normalGeometry.isValid())
        setGeometry(m_normalGeometry);
    m_ui->图形按钮_还原->hide();
    m_ui->图形按钮_最大化->show();
}

void MainWindow::trackZone(QPoint position)
{
    const ZoneHit hit = songtao::trackZone(position.x(), position.y(), width(), height());
    if (hit.isZone()) {
        setCursor(hit.cursor);
        m_services.state.resizeZone = hit.name;
        m_dragAnywhere = false;
        return;
    }
    m_services.state.resizeZone.clear();
    if (!m_dragAnywhere) {
        m_dragAnywhere = true;
        setCursor(Qt::ArrowCursor);
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag.active()) {
        m_drag.follow(event->globalPosition().toPoint());
        return;
    }
    if (event->buttons() == Qt::NoButton)
        trackZone(event->position().toPoint());
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // An empty zone means drag-anywhere is on: the press moves the window.
    m_drag.start(zoneEdges(m_services.state.resizeZone), event->globalPosition().toPoint());
}

void MainWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_drag.finish();
}

} // namespace songtao
