#include "frontend/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimerEvent>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <iterator>
#include <optional>

#include "frontend/qt/client_view.h"
#include "frontend/qt/desktop/progress_file.h"
#include "frontend/qt/help_window.h"
#include "frontend/qt/list_box.h"
#include "frontend/qt/menu_keys.h"
#include "frontend/qt/progress_dialog.h"
#include "frontend/qt/task_panel.h"
#include "frontend/qt/test_dialogs.h"
#include "resources/ids.h"
#include "resources/images.h"
#include "resources/menus.h"
#include "view/image_set.h"

namespace {

// Room for the window manager's title bar and borders, which are not known before the
// window is shown.
constexpr int kDecorationWidth = 8;
constexpr int kDecorationHeight = 32;

// The toolbar strip's button face: shown as the toolbar's own background.
constexpr Colour kButtonFace = Rgb(192, 192, 192);

// Button `index` of the toolbar strip drawn at k (k device pixels a strip pixel), shown at
// `factor` logical pixels a strip pixel: its own pixels on the screen, not an enlargement.
QPixmap ToolbarIcon(const CPixmap& strip, int index, int k, int factor) {
    if (strip.IsNull()) return {};
    const QImage whole(reinterpret_cast<const uchar*>(strip.Bits()), strip.Width(), strip.Height(),
                       strip.Stride() * int(sizeof(Colour)), QImage::Format_RGB32);
    QImage button = whole
                        .copy(index * kToolbarButtonWidth * k, 0, kToolbarButtonWidth * k,
                              kToolbarButtonHeight * k)
                        .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < button.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(button.scanLine(y));
        for (int x = 0; x < button.width(); ++x)
            if ((row[x] | 0xFF000000u) == kButtonFace) row[x] = 0;
    }
    button.setDevicePixelRatio(double(k) / factor);
    return QPixmap::fromImage(button);
}

// A caption with its mnemonic marked for Qt: "&" before the letter that shows it, which may
// be its Latin look-alike; CMenuKeys picks the item by the Cyrillic letter.
QString WithMnemonic(const char* caption, const char* mnemonic) {
    int length = 0;
    const int at = MnemonicAt(caption, mnemonic, length);
    if (at < 0) return QString::fromUtf8(caption);
    return QString::fromUtf8(caption, at) + QLatin1Char('&') + QString::fromUtf8(caption + at);
}

QList<QKeySequence> Shortcuts(int id) {
    QList<QKeySequence> keys;
    for (const Accelerator& a : kAccelerators) {
        if (a.id != id) continue;
        Qt::KeyboardModifiers mods;
        if (a.mods & MOD_SHIFT) mods |= Qt::ShiftModifier;
        if (a.mods & MOD_CTRL) mods |= Qt::ControlModifier;
        if (a.mods & MOD_ALT) mods |= Qt::AltModifier;
        keys.append(QKeySequence(QKeyCombination(mods, Qt::Key(QtKey(a.key)))));
    }
    return keys;
}

bool IsZoom(int id) {
    return id == ID_VIEW_LARGER || id == ID_VIEW_SMALLER || id == ID_VIEW_NORMAL;
}

}  // namespace

CQtMainWindow::CQtMainWindow(int startFactor) {
    m_clock.start();
    // The name the logic's window class goes by.
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    // No menu for hiding the toolbar: the bar has a fixed shape.
    setContextMenuPolicy(Qt::NoContextMenu);

    BuildMenuBar();
    BuildToolBar(1);
    const int factor = startFactor > 0 ? startFactor : FitToScreen();
    BuildToolBar(factor);
    m_nStartFactor = m_nFactor = factor;

    auto* body = new QWidget(this);
    m_body = new QBoxLayout(QBoxLayout::LeftToRight, body);
    m_body->setContentsMargins(0, 0, 0, 0);
    m_body->setSpacing(0);
    m_view = new CClientView(*this, factor);
    m_body->addWidget(m_view, 1);
    CTaskPanel::Sink sink;
    sink.command = [this](PanelCommand command, const std::string& field) {
        m_frame->OnPanel(command, field);
        RefreshCommandUi();
    };
    // The field reports while the window is still being made or taken down too.
    sink.edit = [this](const std::string& text) {
        if (m_frame) m_frame->OnPanelEdit(text);
    };
    sink.focus = [this](bool on) {
        if (m_frame) m_frame->OnPanelFocus(on);
    };
    // Return in the field is the panel's "Проверить", Escape its "Закрыть": the logic's keys.
    sink.key = [this](const QKeyEvent& key) { return KeyDown(key); };
    m_panel = new CTaskPanel(body, std::move(sink));
    m_panel->hide();
    m_body->addWidget(m_panel, 0);
    setCentralWidget(body);
    resize(sizeHint());
    // The keys go to the client area from the start.
    m_view->setFocus(Qt::OtherFocusReason);

    // F10 opens the first menu, as on the desktops that have no such key of their own.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().first());
    });
    addAction(menuKey);
    new CMenuKeys(this, menuBar());

    // A window dragged across the screen moves many times a second: its place is kept once
    // it has stood still for a moment.
    m_placeTimer.setSingleShot(true);
    m_placeTimer.setInterval(500);
    connect(&m_placeTimer, &QTimer::timeout, this, [this] { KeepPlace(); });

    m_frame = std::make_unique<CMainFrame>(*this);
    // Each run sets other tasks; a task is still the same for the same seed.
    m_frame->SetNextTaskSeed(QRandomGenerator::global()->generate());
    RefreshCommandUi();
}

CQtMainWindow::~CQtMainWindow() {
    // The logic goes first: it still destroys its list box and field through this window.
    m_frame.reset();
    DestroyListBox();
    // The client view calls back into this window (a focus change while Qt takes the
    // window down): it goes while the window is still whole.
    if (QWindow* handle = windowHandle()) handle->removeEventFilter(this);
    delete m_view;
    m_view = nullptr;
}

void CQtMainWindow::KeepProgressIn(const QString& path) {
    m_storage = std::make_unique<CQtFileStorage>(path);
    m_store = std::make_unique<training::CProgressStore>(*m_storage);
    m_frame->UseProgress(*m_store, training::LocalNow);
    const std::optional<training::WindowPlace>& place = m_frame->Progress().Window();
    if (!place) return;
    SetFactor(place->factor);
    // Only onto a screen there is now: a screen unplugged since would hide the window. The
    // title bar's corner must be on one.
    const QPoint corner(place->x + kDecorationHeight, place->y + kDecorationHeight / 2);
    if (QGuiApplication::screenAt(corner)) move(place->x, place->y);
}

void CQtMainWindow::KeepPlace() {
    m_placeTimer.stop();
    if (m_frame) m_frame->KeepWindow({m_nFactor, pos().x(), pos().y()});
}

void CQtMainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible()) m_placeTimer.start();
}

void CQtMainWindow::closeEvent(QCloseEvent* event) {
    // Ctrl+Q and the window's own close button alike: the place and the rule are kept.
    KeepPlace();
    if (m_frame) m_frame->KeepAtExit();
    QMainWindow::closeEvent(event);
}

void CQtMainWindow::ShowProgress() {
    LoseCapture();
    ShowProgressDialog(this, *m_frame);
    m_view->setFocus(Qt::OtherFocusReason);
}

void CQtMainWindow::BuildMenuBar() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);  // in the window, as the program's only bar
    for (const Menu& menu : kMenuBar) {
        QMenu* dropDown = bar->addMenu(WithMnemonic(menu.caption, menu.mnemonic));
        for (int i = 0; i < menu.count; ++i) {
            const MenuItem& item = menu.items[i];
            if (!item.caption) {
                dropDown->addSeparator();
                continue;
            }
            QAction* action = dropDown->addAction(WithMnemonic(item.caption, item.mnemonic));
            const int id = item.id;
            action->setData(id);
            // The menu shows the first; Qt takes them all, also in a layout without Latin
            // letters. Its own keys stay with the logic's update rules: a disabled item's key
            // does nothing.
            action->setShortcuts(Shortcuts(id));
            connect(action, &QAction::triggered, this, [this, id] { Command(id); });
            m_commands.emplace_back(action, id);
        }
        connect(dropDown, &QMenu::aboutToShow, this, [this] {
            // The menu takes the pointer: a gesture in progress has lost it.
            LoseCapture();
            RefreshCommandUi();
        });
        connect(dropDown, &QMenu::aboutToHide, this, [this] { GiveKeysBack(); });
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
    const int k = DeviceScale(factor, devicePixelRatioF(), kMaxImageScale);
    const CPixmap strip = LoadImageResource(IDB_TOOLBAR, k);
    const QList<QAction*> actions = m_toolBar->actions();
    for (int i = 0; i < actions.size() && i < int(std::size(kToolbar)); ++i)
        actions[i]->setIcon(QIcon(ToolbarIcon(strip, kToolbar[i].imageIndex, k, factor)));
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

QListWidget* CQtMainWindow::ListWidget() const { return m_listBox ? m_listBox->Widget() : nullptr; }

bool CQtMainWindow::TimerRunning(int id) const {
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second.isActive();
}

void CQtMainWindow::UpdateWindow() { m_view->repaint(); }

void CQtMainWindow::RefreshCommandUi() {
    if (!m_frame) return;
    RefreshZoomUi();
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
    if (id == ID_VIEW_LARGER) SetFactor(m_nFactor + 1);
    if (id == ID_VIEW_SMALLER) SetFactor(m_nFactor - 1);
    if (id == ID_VIEW_NORMAL) SetFactor(m_nStartFactor);
    if (!IsZoom(id)) m_frame->OnCommand(id, 0);
    RefreshCommandUi();
}

void CQtMainWindow::SetFactor(int factor) {
    factor = std::clamp(factor, 1, std::max(FitToScreen(), m_nStartFactor));
    if (factor == m_nFactor) return;
    m_nFactor = factor;
    BuildToolBar(factor);
    m_view->SetPreferredFactor(factor);
    LayOutPanel();
    RefreshZoomUi();
    if (isVisible()) KeepPlace();
}

void CQtMainWindow::RefreshZoomUi() {
    const int largest = std::max(FitToScreen(), m_nStartFactor);
    for (const auto& [action, id] : m_commands) {
        if (id == ID_VIEW_LARGER) action->setEnabled(m_nFactor < largest);
        if (id == ID_VIEW_SMALLER) action->setEnabled(m_nFactor > 1);
    }
}

bool CQtMainWindow::KeyDown(const QKeyEvent& event) {
    const KeyCode key = TranslateKey(event);
    if (key == KEY_NONE) return false;
    const bool used =
        m_frame->OnKeyDown(key, TranslateModifiers(event.modifiers()), event.isAutoRepeat());
    RefreshCommandUi();
    return used;
}

bool CQtMainWindow::KeyUp(const QKeyEvent& event) {
    // X11 sends a release before each auto-repeat: the key is still down.
    if (event.isAutoRepeat()) return true;
    const KeyCode key = TranslateKey(event);
    if (key == KEY_NONE) return false;
    m_frame->OnKeyUp(key, TranslateModifiers(event.modifiers()));
    RefreshCommandUi();
    return true;
}

bool CQtMainWindow::Wheel(const QWheelEvent& event) {
    const int notches = m_wheel.Add(event);
    if (notches == 0) return true;
    const uint32_t mods = TranslateModifiers(event.modifiers());
    const bool used = m_frame->OnMouseWheel(notches, mods);
    // Ctrl and the wheel size the window: a turn away from the user makes it larger.
    if (!used && (mods & MOD_CTRL)) SetFactor(m_nFactor - notches);
    RefreshCommandUi();
    return true;
}

void CQtMainWindow::LoseKeys() {
    if (m_frame) m_frame->OnKillFocus();
}

void CQtMainWindow::WatchListKeys(QListWidget* list) {
    list->installEventFilter(this);
    // A double click on a title starts it, as "Выполнить" does.
    connect(list, &QListWidget::itemDoubleClicked, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_frame->OnCommand(IDC_LESSON_LIST, LBN_DBLCLK);
                RefreshCommandUi();
            },
            Qt::QueuedConnection);
    });
}

void CQtMainWindow::Invalidate() { m_view->update(); }

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
    GiveKeysBack();
}

void CQtMainWindow::AskYesNo(const char* caption, const char* text, int yesCommand) {
    LoseCapture();
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, QString::fromUtf8(caption), QString::fromUtf8(text),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    GiveKeysBack();
    // After the handler that asked has returned, as a menu's command would come.
    if (answer == QMessageBox::Yes)
        QMetaObject::invokeMethod(
            this, [this, yesCommand] { Command(yesCommand); }, Qt::QueuedConnection);
}

void CQtMainWindow::OpenTestDialog() {
    LoseCapture();
    uint32_t variant = 0;
    std::vector<uint32_t> kinds;
    int count = 0;
    if (ChooseTest(this, variant, kinds, count)) m_frame->StartTest(variant, kinds, count);
    // The keys come back to the window, and to the test's answer field once the panel shows.
    activateWindow();
    UpdateWindow();
    RefreshCommandUi();
    GiveKeysBack();
}

void CQtMainWindow::ShowTestResult() {
    const std::optional<training::CExam>& exam = m_frame->State().m_test.m_exam;
    if (!exam) return;
    if (m_result) m_result->close();
    m_result = new CTestResultDialog(
        *exam,
        [this](int row) {
            m_frame->ShowTestSolution(row);
            UpdateWindow();
            RefreshCommandUi();
        },
        this);
    m_result->show();
}

void CQtMainWindow::OpenSheetsDialog() {
    LoseCapture();
    PrintSheetsDialog(this);
    GiveKeysBack();
}

IListBox* CQtMainWindow::CreateListBox(const CRect& rect, int /*controlId*/) {
    // The list sends the window no notifications at all, so nothing it does can reach a
    // command (the control id is the OK command's).
    DestroyListBox();
    QListWidget* widget = MakeLessonListWidget(m_view);
    m_rcList = rect;
    ScaleLessonList(*widget, m_view->Factor());
    widget->setGeometry(MapToView(rect, m_view->Origin(), m_view->Factor()));
    WatchListKeys(widget);
    widget->show();
    widget->setFocus(Qt::OtherFocusReason);
    m_listBox = std::make_unique<CQtListBox>(widget);
    return m_listBox.get();
}

void CQtMainWindow::DestroyListBox() {
    if (!m_listBox) return;
    QListWidget* widget = m_listBox->Widget();
    const bool hadKeys = widget && widget->hasFocus();
    if (widget) widget->removeEventFilter(this);
    delete widget;
    m_listBox.reset();
    if (hadKeys && m_view) m_view->setFocus(Qt::OtherFocusReason);
}

bool CQtMainWindow::PanelBeside() const {
    const QScreen* display = screen();
    if (!display) return true;
    const int width = (kClientWidth + CTaskPanel::kWidthPerFactor) * m_nFactor + kDecorationWidth;
    return width <= display->availableGeometry().width();
}

void CQtMainWindow::LayOutPanel() {
    const bool beside = PanelBeside();
    m_body->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_panel->SetFactor(m_nFactor, beside);
    m_panel->setVisible(m_panel->Shown().visible);
    // The hints anew, from the body up, before the window takes its size from them.
    m_body->invalidate();
    m_body->activate();
    if (QLayout* frame = layout()) frame->activate();
    resize(sizeHint());
}

void CQtMainWindow::ShowPanel(const CPanel& panel) {
    const bool shownBefore = m_panel->Shown().visible;
    m_panel->Show(panel);
    if (panel.visible != shownBefore) LayOutPanel();
    QLineEdit* field = m_panel->Field();
    QWidget* keys = QApplication::focusWidget();
    if (panel.visible && panel.field && panel.fieldKeys) {
        if (keys != field) field->setFocus(Qt::OtherFocusReason);
    } else if (keys == field || (!panel.visible && keys && m_panel->isAncestorOf(keys))) {
        // The field went, or a press on the rule took the keys from it.
        m_view->setFocus(Qt::OtherFocusReason);
    }
}

void CQtMainWindow::GiveKeysBack() {
    if (m_listBox) return;  // the chooser's list keeps them
    const CPanel& panel = m_panel->Shown();
    if (panel.visible && panel.field && panel.fieldKeys)
        m_panel->Field()->setFocus(Qt::OtherFocusReason);
    else
        m_view->setFocus(Qt::OtherFocusReason);
}

void CQtMainWindow::ShowScaleHelp() {
    if (!m_help) {
        m_help = new CHelpWindow(
            this,
            [this](model::Scale scale) {
                // The rule comes to the front with the scale in view; while a lesson holds
                // it, nothing moves.
                if (!m_frame->ShowScale(scale)) return;
                RefreshCommandUi();
                raise();
                activateWindow();
            },
            m_nFactor);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CQtMainWindow::PaintClient(CSurface& surface) {
    m_frame->OnPaint(surface);
    Narrate();
}

void CQtMainWindow::Narrate() {
    CNarration now = m_frame->Narration();
    if (now == m_narration) return;
    m_narration = std::move(now);
    // Qt tells a screen reader of each change.
    m_view->setAccessibleName(m_narration.heading.empty()
                                  ? QStringLiteral("Линейка")
                                  : QString::fromStdString(m_narration.heading));
    QString text = QString::fromStdString(m_narration.text);
    if (!m_narration.buttons.empty()) {
        QStringList captions;
        for (const CNarration::Button& b : m_narration.buttons)
            captions << QString::fromStdString(b.caption);
        text += (text.isEmpty() ? "" : "\n") + QStringLiteral("Кнопки: ") + captions.join(", ");
    }
    m_view->setAccessibleDescription(text);
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
    if (QListWidget* widget = ListWidget()) {
        ScaleLessonList(*widget, m_view->Factor());
        widget->setGeometry(MapToView(m_rcList, m_view->Origin(), m_view->Factor()));
    }
}

bool CQtMainWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowDeactivate:
        case QEvent::UngrabMouse: LoseCapture(); break;
        case QEvent::Show:
            // The platform window exists from now on; it hears of a broken pointer grab first.
            if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
            break;
        default: break;
    }
    return QMainWindow::event(event);
}

bool CQtMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::UngrabMouse) LoseCapture();
    QListWidget* list = event->type() == QEvent::KeyPress ? ListWidget() : nullptr;
    if (list && watched == list) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const KeyCode code = TranslateKey(key);
        const uint32_t mods = TranslateModifiers(key.modifiers());
        const bool repeat = key.isAutoRepeat();
        // The chooser's keys, the list's moves among them, are the logic's; the rest the
        // list's own (and, unused, its parent's).
        const KeyCode chooserKeys[] = {KEY_UP,  KEY_DOWN,   KEY_PAGEUP, KEY_PAGEDOWN, KEY_HOME,
                                       KEY_END, KEY_RETURN, KEY_ENTER,  KEY_ESCAPE};
        if (mods == MOD_NONE && std::find(std::begin(chooserKeys), std::end(chooserKeys), code) !=
                                    std::end(chooserKeys)) {
            QMetaObject::invokeMethod(
                this,
                [this, code, mods, repeat] {
                    m_frame->OnKeyDown(code, mods, repeat);
                    RefreshCommandUi();
                },
                Qt::QueuedConnection);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CQtMainWindow::LoseCapture() {
    m_bCapture = false;
    if (m_frame) m_frame->OnCaptureChanged();
}
