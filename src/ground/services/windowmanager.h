// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the desktop's window manager does for the program's windows.
namespace WindowManager {
// True when someone else sizes a window that asks for full screen: on X11 a
// running window manager that announces full-screen support, on other
// desktops their compositor or the platform itself. False on a bare X
// server, where the program sizes its window itself.
bool makesWindowsFullScreen();

// True on Wayland, where only the compositor places windows and the pointer:
// a program can neither move its own window nor the pointer, and asks the
// compositor to move the window with the pointer instead.
bool compositorPlacesWindows();
} // namespace WindowManager
