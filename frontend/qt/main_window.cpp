#include "frontend/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimerEvent>
#include <QToolBar>
#include <QWindow>
#include <iterator>
#include <optional>

#include "frontend/qt/client_view.h"
#include "frontend/qt/list_box.h"
#include "resources/ids.h"
#include "resources/menus.h"
#include "view/image_set.h"

namespace {

// Room for the window manager's title bar and borders, which are not known before the
// window is shown.
constexpr int kDecorationWidth = 8;
constexpr int kDecorationHeight = 32;

// The toolbar strip's button face: shown as the toolbar's own background.
constexpr Colour kButtonFace = Rgb(192, 192, 192);

QPixmap ToolbarIcon(const CPixmap& strip, int index, int factor) {
    if (strip.IsNull()) return {};
    const QImage whole(reinterpret_cast<const uchar*>(strip.Bits()), strip.Width(), strip.Height(),
                       strip.Width() * int(sizeof(Colour)), QImage::Format_RGB32);
    QImage button =
        whole.copy(index * kToolbarButtonWidth, 0, kToolbarButtonWidth, kToolbarButtonHeight)
            .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < button.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(button.scanLine(y));
        for (int x = 0; x < button.width(); ++x)
            if ((row[x] | 0xFF000000u) == kButtonFace) row[x] = 0;
    }
    return QPixmap::fromImage(button.scaled(kToolbarButtonWidth * factor,
                                            kToolbarButtonHeight * factor, Qt::IgnoreAspectRatio,
                                            Qt::FastTransformation));
}

}  // namespace

CQtMainWindow::CQtMainWindow(int startFactor) {
    // The name the logic's window class goes by.
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    // No menu for hiding the toolbar: the bar has a fixed shape.
    setContextMenuPolicy(Qt::NoContextMenu);

    BuildMenuBar();
    BuildToolBar(1);
    const int factor = startFactor > 0 ? startFactor : FitToScreen();
    BuildToolBar(factor);

    m_view = new CClientView(*this, factor);
    setCentralWidget(m_view);
    resize(sizeHint());

    m_frame = std::make_unique<CMainFrame>(*this);
    RefreshCommandUi();
}

CQtMainWindow::~CQtMainWindow() {
    // The logic goes first: it still destroys its list box through this window.
    m_frame.reset();
    DestroyListBox();
    // The client view calls back into this window (a focus change while Qt takes the
    // window down): it goes while the window is still whole.
    if (QWindow* handle = windowHandle()) handle->removeEventFilter(this);
    delete m_view;
    m_view = nullptr;
}

void CQtMainWindow::BuildMenuBar() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);  // in the window, as the program's only bar
    for (const Menu& menu : kMenuBar) {
        QMenu* dropDown = bar->addMenu(QString::fromUtf8(menu.caption));
        for (int i = 0; i < menu.count; ++i) {
            const MenuItem& item = menu.items[i];
            if (!item.caption) {
                dropDown->addSeparator();
                continue;
            }
            QAction* action = dropDown->addAction(QString::fromUtf8(item.caption));
            const int id = item.id;
            action->setData(id);
            connect(action, &QAction::triggered, this, [this, id] { Command(id); });
            m_commands.emplace_back(action, id);
        }
        connect(dropDown, &QMenu::aboutToShow, this, [this] {
            // The menu takes the pointer: a gesture in progress has lost it.
            LoseCapture();
            RefreshCommandUi();
        });
    }
}

void CQtMainWindow::BuildToolBar(int factor) {
    if (!m_toolBar) {
        m_toolBar = addToolBar(QString());
        m_toolBar->setObjectName(QStringLiteral("CommandBar"));
        m_toolBar->setMovable(false);
        m_toolBar->setFloatable(false);
        m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        for (const ToolbarButton& button : kToolbar) {
            QAction* action = m_toolBar->addAction(QString());
            if (button.tooltip) action->setToolTip(QString::fromUtf8(button.tooltip));
            const int id = button.id;
            action->setData(id);
            connect(action, &QAction::triggered, this, [this, id] { Command(id); });
            m_commands.emplace_back(action, id);
        }
    }
    m_toolBar->setIconSize(QSize(kToolbarButtonWidth * factor, kToolbarButtonHeight * factor));
    const CPixmap strip = LoadImageResource(IDB_TOOLBAR);
    const QList<QAction*> actions = m_toolBar->actions();
    for (int i = 0; i < actions.size() && i < int(std::size(kToolbar)); ++i)
        actions[i]->setIcon(QIcon(ToolbarIcon(strip, kToolbar[i].imageIndex, factor)));
}

int CQtMainWindow::FitToScreen() const {
    const QScreen* display = screen();
    if (!display) return 1;
    CWindowChrome chrome;
    chrome.width = kDecorationWidth;
    chrome.height = kDecorationHeight + menuBar()->sizeHint().height() +
                    m_toolBar->sizeHint().height() - m_toolBar->iconSize().height();
    chrome.heightPerFactor = kToolbarButtonHeight;
    return ScaleForScreen(display->availableGeometry().size(), chrome);
}

QListWidget* CQtMainWindow::ListWidget() const {
    return m_listBox ? m_listBox->Widget() : nullptr;
}

bool CQtMainWindow::TimerRunning(int id) const {
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second.isActive();
}

void CQtMainWindow::UpdateWindow() {
    m_view->repaint();
}

void CQtMainWindow::RefreshCommandUi() {
    if (!m_frame) return;
    for (const auto& [action, id] : m_commands) {
        const std::optional<CCmdUI> state = m_frame->CommandState(id);
        if (!state) continue;
        action->setEnabled(state->enabled);
        // Only a checked item shows a mark; an unchecked one shows no empty box either.
        action->setCheckable(state->checked);
        action->setChecked(state->checked);
    }
}

void CQtMainWindow::Command(int id) {
    m_frame->OnCommand(id, 0);
    RefreshCommandUi();
}

void CQtMainWindow::Invalidate() {
    m_view->update();
}

void CQtMainWindow::SetTimer(int id, int periodMs) {
    // Starting a running timer restarts its period.
    m_timers[id].start(periodMs, Qt::PreciseTimer, this);
}

void CQtMainWindow::KillTimer(int id) {
    const auto it = m_timers.find(id);
    if (it != m_timers.end()) it->second.stop();
}

void CQtMainWindow::timerEvent(QTimerEvent* event) {
    for (const auto& [id, timer] : m_timers) {
        if (timer.timerId() != event->timerId()) continue;
        const int tick = id;  // the handler may start or stop timers
        m_frame->OnTimer(tick);
        RefreshCommandUi();
        return;
    }
    QMainWindow::timerEvent(event);
}

void CQtMainWindow::PostClose() {
    // Queued: the window closes when the event loop gets to it, after the handler returns.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CQtMainWindow::MessageBox(const char* caption, const char* text) {
    LoseCapture();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption), QString::fromUtf8(text),
                    QMessageBox::Ok, this);
    box.exec();
}

IListBox* CQtMainWindow::CreateListBox(const CRect& rect, int /*controlId*/) {
    // The list sends the window no notifications at all, so nothing it does can reach a
    // command (the control id is the OK command's).
    DestroyListBox();
    QListWidget* widget = MakeLessonListWidget(m_view);
    m_rcList = rect;
    widget->setGeometry(MapToView(rect, m_view->Origin(), m_view->Factor()));
    widget->show();
    m_listBox = std::make_unique<CQtListBox>(widget);
    return m_listBox.get();
}

void CQtMainWindow::DestroyListBox() {
    if (!m_listBox) return;
    delete m_listBox->Widget();
    m_listBox.reset();
}

void CQtMainWindow::PaintClient(CSurface& surface) {
    m_frame->OnPaint(surface);
}

void CQtMainWindow::StylusDown(unsigned flags, CPoint point) {
    m_frame->OnLButtonDown(flags, point);
    RefreshCommandUi();
}

void CQtMainWindow::StylusMove(unsigned flags, CPoint point) {
    m_frame->OnMouseMove(flags, point);
    RefreshCommandUi();
}

void CQtMainWindow::StylusUp(unsigned flags, CPoint point) {
    m_frame->OnLButtonUp(flags, point);
    RefreshCommandUi();
}

void CQtMainWindow::StylusDoubleTap(unsigned flags, CPoint point) {
    m_frame->OnLButtonDblClk(flags, point);
    RefreshCommandUi();
}

void CQtMainWindow::ClientLayoutChanged() {
    if (QListWidget* widget = ListWidget())
        widget->setGeometry(MapToView(m_rcList, m_view->Origin(), m_view->Factor()));
}

bool CQtMainWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowDeactivate:
        case QEvent::UngrabMouse:
            LoseCapture();
            break;
        case QEvent::Show:
            // The platform window exists from now on; it hears of a broken pointer grab first.
            if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
            break;
        default:
            break;
    }
    return QMainWindow::event(event);
}

bool CQtMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::UngrabMouse) LoseCapture();
    return QMainWindow::eventFilter(watched, event);
}

void CQtMainWindow::LoseCapture() {
    m_bCapture = false;
    if (m_frame) m_frame->OnCaptureChanged();
}
