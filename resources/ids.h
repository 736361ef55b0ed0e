// Numeric ids of the program's commands, images and texts. They are fixed: the lesson
// records, the menu tables and the image set all name things by these numbers.
#pragma once

#include <array>

// Commands.
constexpr int IDOK = 1;  // the platform's OK command; the lesson list box shares id 1
constexpr int ID_UNDO = 32781;
constexpr int ID_EXIT = 32782;
constexpr int ID_SIDE1 = 32783;
constexpr int ID_SIDE2 = 32784;
constexpr int ID_CLAMP = 32786;
constexpr int ID_TB_BUTTON1 = 32790;
constexpr int ID_TB_UNDO = 32791;
constexpr int ID_ABOUT = 32793;
constexpr int ID_TRAINING = 32797;
constexpr int ID_TASKS = 32798;
constexpr int ID_KEYS = 32805;          // a message box listing the keys
constexpr int ID_HELP_SCALES = 32806;   // the help on the scales, a page for each
constexpr int ID_PROGRESS = 32807;      // the table of what the program remembers
constexpr int ID_TEST = 32808;          // a test of several tasks: its dialog
constexpr int ID_PRINT_SHEETS = 32809;  // the sheets of a variant for a class: their dialog
constexpr int ID_TEST_END = 32813;      // "yes" to ending a test early
// The window's size: the front end's own commands, which the main window's logic never sees.
constexpr int ID_VIEW_LARGER = 32810;
constexpr int ID_VIEW_SMALLER = 32811;
constexpr int ID_VIEW_NORMAL = 32812;

// The toolbar strip's buttons.
constexpr int kToolbarButtonWidth = 16;
constexpr int kToolbarButtonHeight = 15;

// Images, by side. Their ids are their names. The build reads its list of images from the
// IDB_ lines below (resources/CMakeLists.txt): one line each, in this form.
constexpr int IDB_BOTTOM1 = 133;
constexpr int IDB_SLIDE1 = 134;
constexpr int IDB_TOP1 = 135;
constexpr int IDB_BOTTOM2 = 136;
constexpr int IDB_SLIDE2 = 137;
constexpr int IDB_TOP2 = 138;
constexpr int IDB_CURSOR_GRIP = 139;
constexpr int IDB_CURSOR_CAP = 140;
constexpr int IDB_MINI_BOTTOM1 = 141;
constexpr int IDB_MINI_SLIDE1 = 142;
constexpr int IDB_MINI_TOP1 = 143;
constexpr int IDB_MINI_BOTTOM2 = 144;
constexpr int IDB_MINI_SLIDE2 = 145;
constexpr int IDB_MINI_TOP2 = 146;
constexpr int IDB_TOOLBAR = 151;

// Every image of the set, in id order.
constexpr std::array<int, 15> kImageIds = {
    IDB_BOTTOM1,   IDB_SLIDE1,       IDB_TOP1,        IDB_BOTTOM2,      IDB_SLIDE2,
    IDB_TOP2,      IDB_CURSOR_GRIP,  IDB_CURSOR_CAP,  IDB_MINI_BOTTOM1, IDB_MINI_SLIDE1,
    IDB_MINI_TOP1, IDB_MINI_BOTTOM2, IDB_MINI_SLIDE2, IDB_MINI_TOP2,    IDB_TOOLBAR,
};

// Timers of the main window.
constexpr int TIMER_HOLD = 1;    // 300 ms after a press: start repeating
constexpr int TIMER_REPEAT = 2;  // every 10 ms while held
constexpr int TIMER_WHEEL = 3;   // 400 ms after a wheel notch: the run of notches is over
constexpr int TIMER_TEST = 4;    // every second of a test: its clock
constexpr int kHoldPeriodMs = 300;
constexpr int kRepeatPeriodMs = 10;
constexpr int kWheelRunMs = 400;
constexpr int kTestTickMs = 1000;

// The lesson list box is child control 1 (the task list takes its place and its id), and
// tells its parent of a new selection and of a double click with these notification codes.
constexpr int IDC_LESSON_LIST = 1;
constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_DBLCLK = 2;
