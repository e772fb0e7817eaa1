#pragma once

// What the desktop knows the program by: its application name, the desktop
// entry it was started from (tarvik.desktop, so that task bars and docks
// show the entry's name and icon) and the icon of every window.

class QIcon;

namespace tarvik {

// The desktop entry's name, without ".desktop".
inline constexpr const char* DesktopFileName = "tarvik";

// The program's icon: the icon theme's "tarvik" (installed beside the desktop
// entry), else the same picture built into the program.
QIcon ProgramIcon();

// Sets the application's name, desktop file name and window icon; called
// once the application object exists.
void PrepareApplication();

} // namespace tarvik
