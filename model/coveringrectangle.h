// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The smallest axis-parallel rectangle around the entered points, found by sorting their
// coordinate texts, zero-padded so that text order is numeric order, in sorted columns.

#include <QString>
#include <optional>

class Canvas;
class TextColumn;

constexpr int PadWidth = 5;

// "0"s in front of a text shorter than PadWidth, up to that length; longer texts unchanged.
QString padded(QString text);

// The sides of a covering rectangle in canvas units; ymin is the top side on screen.
struct CoveringBounds
{
    float xmin;
    float ymin;
    float xmax;
    float ymax;
};

// Sets the pen to width 1, dash-dot, and leaves it so. Refills sortedX and sortedY with the
// padded texts of x and screenY (rows of the same points), reads the bounds from their first
// and last rows and draws the top, right, bottom and left sides in that order, over whatever
// the canvas shows. With no points nothing is drawn and there are no bounds.
std::optional<CoveringBounds> drawCoveringRectangle(const TextColumn &x, const TextColumn &screenY,
                                                    TextColumn &sortedX, TextColumn &sortedY,
                                                    Canvas &canvas);
