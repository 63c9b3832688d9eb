// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawing surface behind the picture box: a backing image that keeps everything drawn,
// and the pen state that PSet, Line and Cls use. Nothing restores the pen after drawing.
// Drawing is aliased. A coordinate names the pixel it falls in: x in [k, k + 1) is pixel k.

#include <QImage>
#include <QObject>
#include <algorithm>

class Canvas : public QObject
{
    Q_OBJECT
public:
    enum class ScaleUnit { Twips = 1, Pixels = 3 };
    enum class LineStyle { Solid = 0, DashDot = 3, DashDotDot = 4 };

    explicit Canvas(QObject *parent = nullptr);

    // The backing image, one pixel per screen pixel, origin at the top left of the inner area.
    const QImage &image() const { return m_image; }
    // Sets the inner size in pixels; what lies inside both sizes is kept, the rest is BackColor.
    void resize(QSize pixels);

    ScaleUnit ScaleMode() const { return m_unit; }
    void setScaleMode(ScaleUnit unit) { m_unit = unit; }
    // The inner size in the current unit.
    float ScaleWidth() const { return fromPixels(m_image.width()); }
    float ScaleHeight() const { return fromPixels(m_image.height()); }
    // A whole pixel position in the current unit.
    float fromPixels(int pixels) const { return float(pixels * unitsPerPixel()); }

    int DrawWidth() const { return m_width; }
    void setDrawWidth(int width) { m_width = std::max(width, 1); }
    LineStyle DrawStyle() const { return m_style; }
    void setDrawStyle(LineStyle style) { m_style = style; }
    QRgb BackColor() const { return m_back; }
    void setBackColor(QRgb colour) { m_back = colour; }
    static constexpr QRgb ForeColor() { return 0xff000000; }

    // Fills the whole image with BackColor.
    void Cls();
    // A solid round dot of diameter DrawWidth centred on the pixel of (x, y): the pixels whose
    // centres lie within DrawWidth / 2 of that pixel's centre. Width 1 is that pixel alone.
    void PSet(float x, float y) { PSet(x, y, ForeColor()); }
    void PSet(float x, float y, QRgb colour);
    // A segment in ForeColor, both end pixels included. At width 1 it follows DrawStyle, the
    // pattern starting afresh at the first end; wider segments are solid, in dots of DrawWidth.
    void Line(float x1, float y1, float x2, float y2);

signals:
    // The pixels of the image that a drawing operation may have changed.
    void changed(const QRect &pixels);

private:
    int unitsPerPixel() const { return m_unit == ScaleUnit::Twips ? 15 : 1; }
    int toPixel(float value) const;
    void dot(QPoint centre, QRgb colour);
    void notify(const QRect &pixels);

    QImage m_image;
    ScaleUnit m_unit = ScaleUnit::Twips;
    int m_width = 1;
    LineStyle m_style = LineStyle::Solid;
    QRgb m_back = 0xffffffff;
};
