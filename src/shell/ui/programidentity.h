#pragma once

class QIcon;
class QString;

// The program's icon, carried inside the program so that every window shows
// it even when no icon theme is installed.
QIcon ProgramIcon();

// The base name of the installed desktop entry (without ".desktop"); it is
// also the component id of the AppStream metadata.
QString DesktopFileName();

// Tells the desktop who the running program is: its window icon and the
// desktop entry it belongs to, by which a Wayland compositor finds the
// program's name and icon for its windows. Call once, before any window.
void DeclareProgramIdentity();
