// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pointsdescription.h"

#include "textcolumn.h"

QString describePoints(const TextColumn &x, const TextColumn &plottedY, int maxPoints,
                       const std::optional<DrawnRectangle> &rectangle)
{
    const int n = x.ListCount();
    QStringList parts;
    if (n == 0)
        parts << QStringLiteral("няма точки");
    else if (n == 1)
        parts << QStringLiteral("1 точка");
    else if (n < maxPoints)
        parts << QStringLiteral("%1 точки").arg(n);
    else
        parts << QStringLiteral("%1 точки са въведени; няма място за още").arg(n);

    const int r = x.ListIndex();
    if (r >= 0)
        parts << QStringLiteral("избрана точка %1: X %2, Y %3")
                     .arg(r + 1)
                     .arg(x.List(r), plottedY.List(r));
    if (rectangle && rectangle->stale)
        parts << QStringLiteral("правоъгълникът е начертан за предишните точки");
    else if (rectangle)
        parts << QStringLiteral("правоъгълник: X от %1 до %2, Y от %3 до %4")
                     .arg(rectangle->xmin)
                     .arg(rectangle->xmax)
                     .arg(rectangle->ymin)
                     .arg(rectangle->ymax);
    return parts.join(QStringLiteral("; "));
}
