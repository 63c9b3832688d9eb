// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

// Assistive technology sees the picture box as a drawing canvas.
QAccessibleInterface *accessibleCanvas(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Canvas);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleCanvas), true);
    Q_UNUSED(factoryInstalled);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent); // the frame and the image cover every pixel
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_canvas, &Canvas::changed, this, &PictureBox::markChanged);
}

// Handlers redraw the same dots several times in one go; marking each place once keeps the
// pending update region small.
void PictureBox::markChanged(const QRect &pixels)
{
    const QRect changed = pixels.translated(contentsRect().topLeft());
    for (const QRect &marked : std::as_const(m_marked))
        if (marked.contains(changed))
            return;
    m_marked.append(changed);
    update(changed);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    m_marked.clear();
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    for (const QRect &rect : event->region()) {
        const QRect target = rect & inner;
        if (target.isEmpty())
            continue;
        // With a plain rectangle as clip the raster engine copies the rows straight across;
        // with the whole paint region as clip it blends span by span, on worker threads.
        painter.setClipRect(target);
        painter.drawImage(target, m_canvas.image(), target.translated(-inner.topLeft()));
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF inner = event->position() - contentsRect().topLeft();
    const QPoint pixel(int(std::floor(inner.x())), int(std::floor(inner.y())));
    if (!m_canvas.image().rect().contains(pixel))
        return;
    emit MouseDown(event->button(), event->modifiers(), m_canvas.fromPixels(pixel.x()),
                   m_canvas.fromPixels(pixel.y()));
}
