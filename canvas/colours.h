// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colours the program draws with, as 0xAARRGGBB values.

#include <QRgb>

constexpr QRgb RGB(int red, int green, int blue)
{
    return qRgb(red, green, blue);
}

// The standard 16-colour palette: 0 black, 6 dark yellow, 15 bright white, ...
// Indexes outside 0..15 give black.
QRgb QBColor(int index);
