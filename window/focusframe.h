// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The keyboard focus mark of the program's controls: a dotted one-pixel ring, alternately
// black and white pixel by pixel, so that it shows on every colour the window uses.

class QPainter;
class QRect;

// Paints the ring on the border pixels of `ring`, its corners included.
void drawFocusFrame(QPainter &painter, const QRect &ring);
