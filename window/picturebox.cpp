// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include "focusframe.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Arm = 7;       // the crosshair's arms reach this far from its pixel
constexpr int LabelGap = 10; // between the crosshair's pixel and its label
constexpr int LabelPad = 3;

} // namespace

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent); // the frame and the image cover every pixel
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_canvas, &Canvas::changed, this, &PictureBox::markChanged);
}

std::optional<QPoint> PictureBox::crosshair() const
{
    return m_crosshairShown ? std::optional(m_crosshair) : std::nullopt;
}

QString PictureBox::crosshairText() const
{
    if (!m_crosshairShown)
        return {};
    return QStringLiteral("X %1, Y %2")
        .arg(m_crosshair.x())
        .arg(m_canvas.image().height() - m_crosshair.y());
}

QString PictureBox::description() const
{
    const QString points = m_describe ? m_describe() : QString();
    return m_crosshairShown ? points + QStringLiteral("; кръстче: ") + crosshairText() : points;
}

void PictureBox::descriptionChanged()
{
    if (!QAccessible::isActive()) // nobody listens: the handlers stay as quick as they were
        return;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
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
    painter.setClipping(false);
    if (hasFocus())
        drawFocusFrame(painter, rect().adjusted(1, 1, -1, -1)); // on the frame's inner ring
    if (!m_crosshairShown)
        return;

    // The arms invert what lies under them, so they show on white, black and dark yellow;
    // the pixel itself is left open.
    painter.setClipRect(inner);
    const QPoint c = m_crosshair + inner.topLeft();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QRect &arm :
         {QRect(c.x() - Arm, c.y(), Arm - 1, 1), QRect(c.x() + 2, c.y(), Arm - 1, 1),
          QRect(c.x(), c.y() - Arm, 1, Arm - 1), QRect(c.x(), c.y() + 2, 1, Arm - 1)})
        painter.fillRect(arm, Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect label = labelRect().translated(inner.topLeft());
    painter.setPen(Qt::black);
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(label.adjusted(0, 0, -1, -1));
    painter.drawText(label, Qt::AlignCenter, crosshairText());
}

// The label sits below and to the right of the crosshair, or across from it where the inner
// area ends; in image coordinates.
QRect PictureBox::labelRect() const
{
    const QSize text = fontMetrics().size(0, crosshairText()) + QSize(2 * LabelPad, 2 * LabelPad);
    const QRect area = m_canvas.image().rect();
    QRect label(m_crosshair + QPoint(LabelGap, LabelGap), text);
    if (label.right() > area.right())
        label.moveRight(m_crosshair.x() - LabelGap);
    if (label.bottom() > area.bottom())
        label.moveBottom(m_crosshair.y() - LabelGap);
    return label;
}

QPoint PictureBox::crosshairStart() const
{
    return m_crosshair.x() < 0 ? m_canvas.image().rect().center() : m_crosshair;
}

QRect PictureBox::crosshairArea() const
{
    if (!m_crosshairShown)
        return {};
    const QRect arms(m_crosshair - QPoint(Arm, Arm), QSize(2 * Arm + 1, 2 * Arm + 1));
    return (arms | labelRect()).translated(contentsRect().topLeft());
}

void PictureBox::setCrosshair(std::optional<QPoint> pixel)
{
    const QRect area = m_canvas.image().rect();
    if (pixel)
        pixel = QPoint(std::clamp(pixel->x(), area.left(), area.right()),
                       std::clamp(pixel->y(), area.top(), area.bottom()));
    if (pixel == crosshair())
        return; // nothing to repaint or to tell
    const QRect before = crosshairArea();
    m_crosshairShown = pixel.has_value();
    if (pixel) {
        m_crosshair = *pixel;
        qApp->installEventFilter(this); // any mouse press hides it
    } else {
        qApp->removeEventFilter(this);
    }
    update(before | crosshairArea());
}

bool PictureBox::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_crosshairShown)
        setCrosshair(std::nullopt);
    return false;
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update(QRegion(rect()) - contentsRect());
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        setCrosshair(crosshairStart());
    }
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update(QRegion(rect()) - contentsRect());
    // Switching to another window and back keeps the crosshair where it was.
    if (event->reason() != Qt::ActiveWindowFocusReason && m_crosshairShown)
        setCrosshair(std::nullopt);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    QPoint to = crosshairStart();
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const QRect area = m_canvas.image().rect();
    switch (event->key()) {
    case Qt::Key_Left:
        to.rx() -= step;
        break;
    case Qt::Key_Right:
        to.rx() += step;
        break;
    case Qt::Key_Up:
        to.ry() -= step;
        break;
    case Qt::Key_Down:
        to.ry() += step;
        break;
    case Qt::Key_Home:
        to.setX(area.left());
        break;
    case Qt::Key_End:
        to.setX(area.right());
        break;
    case Qt::Key_PageUp:
        to.setY(area.top());
        break;
    case Qt::Key_PageDown:
        to.setY(area.bottom());
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A press where the pupil cannot see the crosshair would be a surprise: show it first.
        if (m_crosshairShown)
            press(m_crosshair, Qt::LeftButton, event->modifiers() & ~Qt::KeypadModifier);
        setCrosshair(to);
        return;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    setCrosshair(to);
    emit crosshairMoved();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF inner = event->position() - contentsRect().topLeft();
    const QPoint pixel(int(std::floor(inner.x())), int(std::floor(inner.y())));
    if (m_canvas.image().rect().contains(pixel))
        press(pixel, event->button(), event->modifiers());
}

void PictureBox::press(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers shift)
{
    emit MouseDown(button, shift, m_canvas.fromPixels(pixel.x()), m_canvas.fromPixels(pixel.y()));
}
