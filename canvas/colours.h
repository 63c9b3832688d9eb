// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colours the program draws with, as 0xAARRGGBB values.

#include <QRgb>

#ifdef _WIN32
// Windows' RGB is a macro, of blue-green-red order. Defined once and undone here, no later
// include of <windows.h> can define it again and turn our RGB into it.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef RGB
#endif

constexpr QRgb RGB(int red, int green, int blue)
{
    return qRgb(red, green, blue);
}

// The standard 16-colour palette: 0 black, 6 dark yellow, 15 bright white, ...
// Indexes outside 0..15 give black.
QRgb QBColor(int index);
