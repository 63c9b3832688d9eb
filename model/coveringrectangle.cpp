// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coveringrectangle.h"

#include "canvas.h"
#include "rowtext.h"
#include "textcolumn.h"

QString padded(QString text)
{
    while (text.size() < PadWidth)
        text.prepend(u'0');
    return text;
}

std::optional<CoveringBounds> drawCoveringRectangle(const TextColumn &x, const TextColumn &screenY,
                                                    TextColumn &sortedX, TextColumn &sortedY,
                                                    Canvas &canvas)
{
    canvas.setDrawWidth(1);
    canvas.setDrawStyle(Canvas::LineStyle::DashDot);
    const int n = x.ListCount();
    sortedX.Clear();
    sortedY.Clear();
    for (int r = 0; r < n; ++r) {
        sortedX.AddItem(padded(x.List(r)));
        sortedY.AddItem(padded(screenY.List(r)));
    }
    if (n == 0)
        return std::nullopt; // no points, no rectangle

    const auto xmin = float(Val(sortedX.List(0)));
    const auto ymin = float(Val(sortedY.List(0)));
    const auto xmax = float(Val(sortedX.List(n - 1)));
    const auto ymax = float(toInt16(Val(sortedY.List(n - 1))));
    canvas.Line(xmin, ymin, xmax, ymin);
    canvas.Line(xmax, ymin, xmax, ymax);
    canvas.Line(xmax, ymax, xmin, ymax);
    canvas.Line(xmin, ymax, xmin, ymin);
    return CoveringBounds{xmin, ymin, xmax, ymax};
}
