#include "frontend/qt/menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "resources/menus.h"

namespace {

// Linux input key codes 0 to 53 by what the key types on the US layout; X11 and Wayland
// report them plus 8.
constexpr char kInputCodes[] =
    "\0\0"
    "1234567890-=\0\0"
    "qwertyuiop[]\0\0"
    "asdfghjkl;'`\0\\"
    "zxcvbnm,./";
constexpr unsigned kXkbOffset = 8;

// clang-format off
const struct { int qt; char usKey; } kQtPunctuation[] = {
    {Qt::Key_BracketLeft, '['}, {Qt::Key_BracketRight, ']'}, {Qt::Key_Semicolon, ';'},
    {Qt::Key_Apostrophe, '\''}, {Qt::Key_QuoteLeft, '`'},    {Qt::Key_Comma, ','},
    {Qt::Key_Period, '.'},      {Qt::Key_Slash, '/'},
};
// clang-format on

bool MenuModifiers(Qt::KeyboardModifiers mods, bool alt) {
    mods &= ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return alt ? mods == Qt::AltModifier : (mods == Qt::NoModifier || mods == Qt::AltModifier);
}

// The table of a drop-down menu, by the menu's place in the bar; null for another menu.
const Menu* TableOf(const QMenuBar& bar, const QMenu* menu) {
    const QList<QAction*> heads = bar.actions();
    for (int i = 0; i < heads.size() && i < int(std::size(kMenuBar)); ++i)
        if (heads[i]->menu() == menu) return &kMenuBar[i];
    return nullptr;
}

}  // namespace

char UsKeyOf(const QKeyEvent& event) {
    const quint32 code = event.nativeScanCode();
    if (code >= kXkbOffset && code - kXkbOffset < sizeof kInputCodes - 1)
        if (const char c = kInputCodes[code - kXkbOffset]) return c;
    if (code != 0) return 0;
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return char('a' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return char('0' + (key - Qt::Key_0));
    for (const auto& p : kQtPunctuation)
        if (p.qt == key) return p.usKey;
    return 0;
}

CMenuKeys::CMenuKeys(QWidget* window, QMenuBar* bar)
    : QObject(window), m_window(window), m_bar(bar) {
    qApp->installEventFilter(this);
}

bool CMenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || m_bForwarding || !watched->isWidgetType())
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    auto* widget = static_cast<QWidget*>(watched);
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        const Menu* table = TableOf(*m_bar, menu);
        if (!table || !MenuModifiers(key.modifiers(), false)) return false;
        const QByteArray typed = key.text().toUtf8();
        const int index = ItemOfKey(*table, typed.constData(), UsKeyOf(key));
        if (index >= 0) return PickItem(menu, index, key);
        // Alt and another menu's letter goes over to that menu.
        if (key.modifiers() & Qt::AltModifier) return OpenMenu(key) || !key.text().isEmpty();
        // No other letter runs an item (Qt would take a Latin one for its look-alike).
        return !key.text().isEmpty() && key.text().at(0).isPrint();
    }
    if (widget == m_bar) {
        // The bar has the keys (after F10 or Alt alone): a menu's letter opens it.
        if (!MenuModifiers(key.modifiers(), false)) return false;
        return OpenMenu(key) || (!key.text().isEmpty() && key.text().at(0).isPrint());
    }
    if (widget->window() != m_window || !MenuModifiers(key.modifiers(), true)) return false;
    return OpenMenu(key);
}

bool CMenuKeys::OpenMenu(const QKeyEvent& key) {
    const QByteArray typed = key.text().toUtf8();
    const int index = MenuOfKey(typed.constData(), UsKeyOf(key));
    const QList<QAction*> heads = m_bar->actions();
    if (index < 0 || index >= heads.size()) return false;
    m_bar->setActiveAction(heads[index]);
    return true;
}

bool CMenuKeys::PickItem(QMenu* menu, int index, const QKeyEvent& key) {
    // The item's action: the index-th of the menu, separators counted, as in the table.
    const QList<QAction*> actions = menu->actions();
    if (index >= actions.size()) return true;
    // Qt picks the item by the letter its caption marks: hand it that letter.
    const QKeySequence mnemonic = QKeySequence::mnemonic(actions[index]->text());
    if (mnemonic.isEmpty()) return true;
    const int letter = mnemonic[0].key();
    QKeyEvent picked(QEvent::KeyPress, letter, Qt::NoModifier, QString(QChar(letter)),
                     key.isAutoRepeat());
    m_bForwarding = true;
    QCoreApplication::sendEvent(menu, &picked);
    m_bForwarding = false;
    return true;
}
