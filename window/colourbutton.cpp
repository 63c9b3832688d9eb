// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourbutton.h"

#include "focusframe.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

ColourButton::ColourButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(true); // Enter and keypad Enter press the focused button, as Space does
}

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
    if (hasFocus())
        drawFocusFrame(painter, rect().adjusted(4, 4, -4, -4));
}
