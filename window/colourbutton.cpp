// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourbutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

ColourButton::ColourButton(QWidget *parent) : QPushButton(parent) {}

void ColourButton::setFaceColour(const QColor &colour)
{
    m_face = colour;
    update();
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face(m_face);
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    const QRect label = sunken ? rect().translated(1, 1) : rect();
    style()->drawItemText(&painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
