// The menu bar, the toolbar and the window's texts as tables. Captions are UTF-8; mind the
// Latin letters: "Cторона", "Bыход", "Oтменить", "Oбучение...", "O программе..." start with
// Latin C, B, O, and "Пpижать" has a Latin p.
#pragma once

struct MenuItem {
    const char* caption;  // nullptr for a separator
    int id;
};

struct Menu {
    const char* caption;
    const MenuItem* items;
    int count;
};

struct ToolbarButton {
    int id;
    int imageIndex;       // button within the 32x15 strip of image IDB_TOOLBAR
    const char* tooltip;  // nullptr: no tooltip
};

extern const Menu kMenuBar[2];
extern const ToolbarButton kToolbar[2];

extern const char* const kWindowTitle;  // string 128
extern const char* const kAboutCaption;
extern const char* const kAboutText;  // four lines, '\n' between them
