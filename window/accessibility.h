// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How assistive technology sees the program's own widgets: the main window as a window named
// by its caption, the picture box as a canvas whose description says what the drawing shows
// and whose value is the keyboard crosshair's position, and the window's announcer as a
// notification named by what it says.

// Installs the factory that says so; the first call does it, later calls nothing.
void installAccessibility();
