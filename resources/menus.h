// The menu bar, the toolbar, the shortcut keys and the window's texts as tables. Captions are
// UTF-8; mind the Latin letters: "Cторона", "Bыход", "Oтменить", "Oбучение...", "O программе..."
// start with Latin C, B, O, and "Пpижать" has a Latin p.
#pragma once

#include <cstdint>

#include "resources/keys.h"

// A mnemonic is the Cyrillic letter (or digit) the user sees underlined: where the caption
// writes it with a Latin letter of the same shape ("Bыход"), that Latin letter is underlined,
// but the key that picks the item is still the Cyrillic one.
struct MenuItem {
    const char* caption;  // nullptr for a separator
    int id;
    const char* mnemonic;  // the letter that Alt or a typed letter picks, underlined
};

struct Menu {
    const char* caption;
    const char* mnemonic;
    const MenuItem* items;
    int count;
};

struct ToolbarButton {
    int id;
    int imageIndex;       // button within the 32x15 strip of image IDB_TOOLBAR
    const char* tooltip;  // nullptr: no tooltip
};

// A key that carries out a command. The first row of a command is the one its menu item shows.
struct Accelerator {
    KeyCode key;
    uint32_t mods;
    int id;
};

extern const Menu kMenuBar[4];
extern const ToolbarButton kToolbar[2];
extern const Accelerator kAccelerators[14];

// The command of a key, 0 when none.
int FindAccelerator(KeyCode key, uint32_t mods);

// Where a caption shows its mnemonic: the byte offset of the letter to underline (the
// mnemonic itself or its Latin look-alike), -1 when the caption has neither; `length` is
// that letter's length in bytes.
int MnemonicAt(const char* caption, const char* mnemonic, int& length);

// The letter the Russian layout puts on a key, the key named by what it types on the US
// layout ('a' for the key of Ф, ',' for the key of Б); nullptr for a key without one.
const char* RussianLetterOn(char usKey);

// Whether a key picks a mnemonic. `typed` is what the key types in the layout in use (UTF-8;
// "" when nothing), `usKey` the key's place as above (0 when unknown). The typed character
// picks in any layout; a key that types no Cyrillic letter (a Latin layout) picks by the
// letter the Russian layout has on it. Case does not matter.
bool KeyPicksMnemonic(const char* mnemonic, const char* typed, char usKey);

// The menu of the bar a key picks, and the item of a menu (its index in the menu), -1 when
// none. The mnemonics of a menu, and those of the bar, are all different.
int MenuOfKey(const char* typed, char usKey);
int ItemOfKey(const Menu& menu, const char* typed, char usKey);

extern const char* const kWindowTitle;  // string 128
extern const char* const kAboutCaption;
extern const char* const kAboutText;  // four lines, '\n' between them
extern const char* const kKeysCaption;
extern const char* const kKeysText;
extern const char* const kHelpScalesCaption;  // the help's window
extern const char* const kHelpShowScale;      // what a press on a scale's name does
