// The menus' letters in any keyboard layout. A menu letter is the Cyrillic letter the caption
// shows; Qt matches mnemonics by the character a key types, so with a Latin layout active
// Alt and the key of Ф would open nothing, and a caption that writes its first letter in
// Latin ("Bыход") would answer the Latin key (И on the Russian layout). This filter sees the
// keys of the window's menu bar and menus first and picks by the menu tables' own rule.
#pragma once

#include <QObject>

class QKeyEvent;
class QMenu;
class QMenuBar;
class QWidget;

// The key's place, named by what it types on the US layout ('a' for the key of Ф), from its
// scan code (X11 and Wayland key codes) or, without one, from the Latin key Qt names; 0 when
// it has none.
char UsKeyOf(const QKeyEvent& event);

class CMenuKeys : public QObject {
  public:
    // Watches every key of the application that reaches `window`, its bar and their menus.
    CMenuKeys(QWidget* window, QMenuBar* bar);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool OpenMenu(const QKeyEvent& key);  // Alt and a menu's letter
    bool PickItem(QMenu* menu, int index, const QKeyEvent& key);

    QWidget* m_window;
    QMenuBar* m_bar;
    bool m_bForwarding = false;  // the key this filter hands Qt itself
};
