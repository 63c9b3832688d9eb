#include "picturebox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_canvas, &Canvas::changed, this,
            [this](const QRect &pixels) { update(pixels.translated(contentsRect().topLeft())); });
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QRect target = event->rect() & contentsRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(target, m_canvas.image(), target.translated(-contentsRect().topLeft()));
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
