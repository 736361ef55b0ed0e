// The menu bar, the toolbar, the shortcut keys and the window's texts as tables. Captions are
// UTF-8; mind the Latin letters: "Cторона", "Bыход", "Oтменить", "Oбучение...", "O программе..."
// start with Latin C, B, O, and "Пpижать" has a Latin p.
#pragma once

#include <cstdint>

#include "resources/keys.h"

struct MenuItem {
    const char* caption;  // nullptr for a separator
    int id;
    const char* mnemonic;  // the caption's letter that Alt or a typed letter picks, underlined
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

extern const Menu kMenuBar[3];
extern const ToolbarButton kToolbar[2];
extern const Accelerator kAccelerators[11];

// The command of a key, 0 when none.
int FindAccelerator(KeyCode key, uint32_t mods);

extern const char* const kWindowTitle;  // string 128
extern const char* const kAboutCaption;
extern const char* const kAboutText;  // four lines, '\n' between them
extern const char* const kKeysCaption;
extern const char* const kKeysText;
