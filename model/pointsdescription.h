// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader says of the drawing, in Bulgarian: how many points there are, which is
// chosen, and the covering rectangle once one is drawn, in the coordinates the lists show.

#include <QString>
#include <optional>

class TextColumn;

// A drawn covering rectangle in list coordinates (Y counted upwards), and whether the points
// have changed since it was drawn.
struct DrawnRectangle
{
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
    bool stale = false;
};

// How many points there are ("няма точки", "1 точка", "3 точки"); from maxPoints on, it says
// that no more can be entered.
QString describeCount(int n, int maxPoints);
// "правоъгълник: X от 0 до 147, Y от 79 до 89"
QString describeRectangle(const DrawnRectangle &rectangle);

// x and plottedY are the rows the lists show; the chosen point is x's selected row. From
// maxPoints on, it says that no more can be entered.
QString describePoints(const TextColumn &x, const TextColumn &plottedY, int maxPoints,
                       const std::optional<DrawnRectangle> &rectangle);
