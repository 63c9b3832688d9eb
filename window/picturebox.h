// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The canvas control: shows its Canvas inside a sunken 3-D frame and reports mouse presses
// on the inner area in canvas units. Presses on the frame report nothing, and neither does
// the second press of a double-click.

#include "canvas.h"

#include <QFrame>

class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    Canvas &canvas() { return m_canvas; }
    const Canvas &canvas() const { return m_canvas; }

signals:
    // x and y name the pressed pixel, in the canvas's scale unit.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // The second press of a double-click is no new press, as on Windows.
    void mouseDoubleClickEvent(QMouseEvent *) override {}

private:
    void markChanged(const QRect &pixels);

    Canvas m_canvas;
    // What has been marked for repainting since the last paint, in widget coordinates.
    QList<QRect> m_marked;
};
