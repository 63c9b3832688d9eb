// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pointsdescription.h"

#include "textcolumn.h"

QString describeCount(int n, int maxPoints)
{
    if (n == 0)
        return QStringLiteral("няма точки");
    if (n == 1)
        return QStringLiteral("1 точка");
    if (n < maxPoints)
        return QStringLiteral("%1 точки").arg(n);
    return QStringLiteral("%1 точки са въведени; няма място за още").arg(n);
}

QString describeRectangle(const DrawnRectangle &rectangle)
{
    return QStringLiteral("правоъгълник: X от %1 до %2, Y от %3 до %4")
        .arg(rectangle.xmin)
        .arg(rectangle.xmax)
        .arg(rectangle.ymin)
        .arg(rectangle.ymax);
}

QString describePoints(const TextColumn &x, const TextColumn &plottedY, int maxPoints,
                       const std::optional<DrawnRectangle> &rectangle)
{
    QStringList parts{describeCount(x.ListCount(), maxPoints)};
    const int r = x.ListIndex();
    if (r >= 0)
        parts << QStringLiteral("избрана точка %1: X %2, Y %3")
                     .arg(r + 1)
                     .arg(x.List(r), plottedY.List(r));
    if (rectangle && rectangle->stale)
        parts << QStringLiteral("правоъгълникът е начертан за предишните точки");
    else if (rectangle)
        parts << describeRectangle(*rectangle);
    return parts.join(QStringLiteral("; "));
}
