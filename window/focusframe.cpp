// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "focusframe.h"

#include <QImage>
#include <QPainter>

void drawFocusFrame(QPainter &painter, const QRect &ring)
{
    static const QBrush dots = [] {
        QImage checker(2, 2, QImage::Format_RGB32);
        checker.fill(Qt::white);
        checker.setPixel(0, 0, qRgb(0, 0, 0));
        checker.setPixel(1, 1, qRgb(0, 0, 0));
        return QBrush(checker);
    }();
    painter.save();
    painter.setBrushOrigin(0, 0);
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), dots);
    painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), dots);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), dots);
    painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), dots);
    painter.restore();
}
