// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How assistive technology sees the program's own widgets: the main window as a window named
// by its caption, the picture box as a canvas whose description says what the drawing shows
// and whose value, read on request, is the keyboard crosshair's position (its moves are said by
// the announcer: they raise no value change, which AT-SPI could not carry without a numeric
// value), and the window's announcer as a notification named by what it says.

// Installs the factory that says so; the first call does it, later calls nothing.
void installAccessibility();
