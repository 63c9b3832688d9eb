// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How assistive technology sees the program's own widgets: the main window as a window named
// by its caption, the picture box as a canvas whose description says what the drawing shows and
// where the keyboard crosshair is (its moves are said by the announcer: they raise no value
// change, which AT-SPI could not carry without a numeric value), and the window's announcer as
// a notification named by what it says. The canvas has no value of its own, which Windows
// readers would say beside the description.

#include <QString>

// The canvas's role in the program's words, its UserText: Windows and the page have no word of
// their own for it (on Linux the accessibility bus has one).
inline const QString CanvasRoleWord = QStringLiteral("канава");

// Installs the factory that says so; the first call does it, later calls nothing.
void installAccessibility();
