// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs with QT_SCALE_FACTOR=2: two device pixels to a logical pixel.
#include "colours.h"
#include "formdriver.h"

#include <QSignalSpy>

class TestHighDpi : public QObject
{
    Q_OBJECT
private slots:
    void layoutKeepsLogicalGeometry();
    void canvasIsScaledWithoutBlur();
    void fractionalPositionsGiveWholePixels();
};

void TestHighDpi::layoutKeepsLogicalGeometry()
{
    FormDriver d;
    QCOMPARE(d.form.devicePixelRatio(), 2.0);
    const MainForm laidOut; // as the form lays itself out, before any screen is involved
    QCOMPARE(d.form.size(), laidOut.size());
    QCOMPARE(d.form.Picture1()->geometry(), laidOut.Picture1()->geometry());
    const QSize inner = laidOut.Picture1()->contentsRect().size();
    QCOMPARE(d.form.canvas().image().size(), inner);
    QCOMPARE(d.form.CanvasHeight(), inner.height());
}

void TestHighDpi::canvasIsScaledWithoutBlur()
{
    FormDriver d;
    d.press(100, 50);
    d.form.canvas().setDrawWidth(1);
    d.form.canvas().setDrawStyle(Canvas::LineStyle::DashDot);
    d.form.canvas().Line(10, 120, 300, 120);
    const QImage shown = d.form.Picture1()->grab().toImage();
    QCOMPARE(shown.size(), d.form.Picture1()->size() * 2);
    // Every device pixel of the inner area is exactly one of the image's colours.
    const QRect inner = d.form.Picture1()->contentsRect();
    for (int y = 2 * inner.top(); y <= 2 * inner.bottom() + 1; ++y)
        for (int x = 2 * inner.left(); x <= 2 * inner.right() + 1; ++x)
            QVERIFY(shown.pixel(x, y) == QBColor(0) || shown.pixel(x, y) == QBColor(15));
    // A logical pixel is a 2 x 2 block: the dot's centre and the line's first pixel.
    for (const QPoint &logical : {QPoint(100, 50), QPoint(10, 120)})
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                QCOMPARE(shown.pixel(2 * (inner.left() + logical.x()) + dx,
                                     2 * (inner.top() + logical.y()) + dy),
                         QBColor(0));
}

void TestHighDpi::fractionalPositionsGiveWholePixels()
{
    FormDriver d;
    QSignalSpy presses(d.form.Picture1(), &PictureBox::MouseDown);
    // Half device pixels into the pixel.
    const QPointF at = d.form.Picture1()->contentsRect().topLeft() + QPointF(10.5, 20.99);
    QMouseEvent press(QEvent::MouseButtonPress, at, d.form.Picture1()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(d.form.Picture1(), &press);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(presses.at(0).at(2).toFloat(), 10.0F);
    QCOMPARE(presses.at(0).at(3).toFloat(), 20.0F);
    QCOMPARE(d.rows(1), QStringList{"20"});
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
