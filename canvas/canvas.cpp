// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <span>

namespace {

// Runs of set and unset pixels, starting with a set run.
constexpr int dashDot[] = {9, 6, 3, 6};
constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};

std::span<const int> patternOf(Canvas::LineStyle style)
{
    switch (style) {
    case Canvas::LineStyle::DashDot:
        return dashDot;
    case Canvas::LineStyle::DashDotDot:
        return dashDotDot;
    case Canvas::LineStyle::Solid:
        break;
    }
    return {};
}

bool isSetInPattern(std::span<const int> pattern, int step)
{
    if (pattern.empty())
        return true;
    int period = 0;
    for (int run : pattern)
        period += run;
    int position = step % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (position < pattern[i])
            return i % 2 == 0;
        position -= pattern[i];
    }
    return false;
}

} // namespace

Canvas::Canvas(QObject *parent) : QObject(parent) {}

void Canvas::resize(QSize pixels)
{
    if (pixels == m_image.size())
        return;
    QImage resized(pixels, QImage::Format_RGB32);
    resized.fill(m_back);
    QPainter(&resized).drawImage(0, 0, m_image);
    m_image = resized;
    notify(m_image.rect());
}

void Canvas::Cls()
{
    m_image.fill(m_back);
    notify(m_image.rect());
}

int Canvas::toPixel(float value) const
{
    // Far-off positions draw nothing visible; clamping keeps the arithmetic in range.
    constexpr double limit = 32768.0;
    if (std::isnan(value))
        return int(-limit);
    return int(std::clamp(std::floor(double(value) / unitsPerPixel()), -limit, limit));
}

void Canvas::PSet(float x, float y, QRgb colour)
{
    const QPoint centre(toPixel(x), toPixel(y));
    dot(centre, colour);
    const int reach = m_width / 2;
    notify(QRect(centre, centre).adjusted(-reach, -reach, reach, reach));
}

void Canvas::dot(QPoint centre, QRgb colour)
{
    // Pixel (dx, dy) from the centre belongs to the dot when 4 (dx² + dy²) <= width².
    const int widthSquared = m_width * m_width;
    const int reach = m_width / 2;
    for (int dy = -reach; dy <= reach; ++dy) {
        const int y = centre.y() + dy;
        if (y < 0 || y >= m_image.height())
            continue;
        int half = 0;
        while (4 * ((half + 1) * (half + 1) + dy * dy) <= widthSquared)
            ++half;
        const int left = std::max(centre.x() - half, 0);
        const int right = std::min(centre.x() + half, m_image.width() - 1);
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = left; x <= right; ++x)
            line[x] = colour;
    }
}

void Canvas::Line(float x1, float y1, float x2, float y2)
{
    const QPoint from(toPixel(x1), toPixel(y1));
    const QPoint to(toPixel(x2), toPixel(y2));
    const auto pattern = m_width == 1 ? patternOf(m_style) : std::span<const int>();

    // Bresenham's walk from one end to the other, both ends included.
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    for (int step = 0;; ++step) {
        if (isSetInPattern(pattern, step))
            dot(p, ForeColor());
        if (p == to)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
    const int reach = m_width / 2;
    const QRect span(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                     QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    notify(span.adjusted(-reach, -reach, reach, reach));
}

void Canvas::notify(const QRect &pixels)
{
    const QRect visible = pixels & m_image.rect();
    if (!visible.isEmpty())
        emit changed(visible);
}
