// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The canvas control: shows its Canvas inside a sunken 3-D frame and reports presses on the
// inner area in canvas units. Presses on the frame report nothing, and neither does the second
// press of a double-click.
// From the keyboard: reached by Tab or Shift+Tab it shows a crosshair, which the arrow keys
// (Shift: ten pixels), Home, End, Page Up and Page Down move; Space or Enter presses at its
// pixel just as the mouse does. The crosshair and its coordinates are painted over the image,
// never into it; any mouse press hides them until the keyboard comes back.

#include "canvas.h"

#include <QFrame>
#include <functional>
#include <optional>

class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    Canvas &canvas() { return m_canvas; }
    const Canvas &canvas() const { return m_canvas; }

    // The crosshair's pixel of the image, or nothing while it is hidden.
    std::optional<QPoint> crosshair() const;
    // Its position as the lists show points ("X 120, Y 57", Y counted upwards), or empty.
    QString crosshairText() const;

    // What assistive technology reads as the canvas's description, asked for when needed; while
    // the crosshair shows, its position follows.
    void setDescription(std::function<QString()> describe) { m_describe = std::move(describe); }
    QString description() const;
    // Tells assistive technology that the description changed, or is worth saying again.
    void descriptionChanged();

signals:
    // x and y name the pressed pixel, in the canvas's scale unit.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    // A key moved the crosshair.
    void crosshairMoved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // The second press of a double-click is no new press, as on Windows.
    void mouseDoubleClickEvent(QMouseEvent *) override {}
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void markChanged(const QRect &pixels);
    void press(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void setCrosshair(std::optional<QPoint> pixel);
    // Where the keyboard takes the crosshair up: where it last was, at first the centre.
    QPoint crosshairStart() const;
    // The widget area the crosshair and its label cover, or an empty one.
    QRect crosshairArea() const;
    QRect labelRect() const;

    Canvas m_canvas;
    // What has been marked for repainting since the last paint, in widget coordinates.
    QList<QRect> m_marked;
    QPoint m_crosshair{-1, -1}; // kept while hidden; (-1, -1) until first shown
    bool m_crosshairShown = false;
    std::function<QString()> m_describe;
};
