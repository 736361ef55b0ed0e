// Who the program is on the desktop: its name, version, desktop file (which names the window's
// class on Wayland and ties the window to its menu entry) and the window icon. Called once the
// application object exists and before the window is made.
#pragma once

#include <QIcon>

void SetDesktopIdentity();

// The program's icon at every size it was rendered at, embedded in the program.
QIcon ProgramIcon();
