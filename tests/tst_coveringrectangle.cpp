// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "coveringrectangle.h"
#include "rowtext.h"
#include "textcolumn.h"

#include <QTest>

namespace {

constexpr QRgb white = 0xffffffff;
constexpr QSize canvasSize(320, 180);

// The columns and canvas the rectangle is drawn from, with the given points entered.
struct Scene
{
    explicit Scene(const QList<QPoint> &points)
    {
        canvas.resize(canvasSize);
        canvas.setScaleMode(Canvas::ScaleUnit::Pixels);
        canvas.Cls();
        canvas.setDrawWidth(5);
        canvas.setDrawStyle(Canvas::LineStyle::DashDotDot);
        for (const QPoint &p : points) {
            x.AddItem(rowText(float(p.x())));
            screenY.AddItem(rowText(float(p.y())));
        }
    }
    void draw() { drawCoveringRectangle(x, screenY, sortedX, sortedY, canvas); }
    QList<QPoint> setPixels() const
    {
        QList<QPoint> set;
        for (int py = 0; py < canvas.image().height(); ++py)
            for (int px = 0; px < canvas.image().width(); ++px)
                if (canvas.image().pixel(px, py) != white)
                    set.append({px, py});
        return set;
    }

    TextColumn x{TextColumn::Order::Unsorted, 0};
    TextColumn screenY{TextColumn::Order::Unsorted, 1};
    TextColumn sortedX{TextColumn::Order::Sorted, 0};
    TextColumn sortedY{TextColumn::Order::Sorted, 1};
    Canvas canvas;
};

} // namespace

class TestCoveringRectangle : public QObject
{
    Q_OBJECT
private slots:
    void padding_data();
    void padding();
    void paddedTextsSortNumerically();
    void outlineLiesOnBoundingBox_data();
    void outlineLiesOnBoundingBox();
    void longSidesAreDashDot();
    void secondCalculateDrawsSamePixels();
    void noPointsDrawsNothing();
};

void TestCoveringRectangle::padding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("one digit") << "7"
                               << "00007";
    QTest::newRow("three digits") << "123"
                                  << "00123";
    QTest::newRow("five digits") << "12345"
                                 << "12345";
    QTest::newRow("six digits") << "123456"
                                << "123456";
    QTest::newRow("empty") << ""
                           << "00000";
}

void TestCoveringRectangle::padding()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(padded(text), result);
}

void TestCoveringRectangle::paddedTextsSortNumerically()
{
    Scene scene({{45, 10}, {123, 10}, {7, 10}});
    scene.draw();
    QCOMPARE(scene.sortedX.ListCount(), 3);
    QCOMPARE(scene.sortedX.List(0), "00007");
    QCOMPARE(scene.sortedX.List(1), "00045");
    QCOMPARE(scene.sortedX.List(2), "00123");
    QCOMPARE(scene.canvas.image().pixel(7, 10), qRgb(0, 0, 0));
    QCOMPARE(scene.canvas.image().pixel(123, 10), qRgb(0, 0, 0));
    QCOMPARE(scene.canvas.DrawWidth(), 1);
    QCOMPARE(scene.canvas.DrawStyle(), Canvas::LineStyle::DashDot);
}

void TestCoveringRectangle::outlineLiesOnBoundingBox_data()
{
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QRect>("box");
    QTest::newRow("scattered") << QList<QPoint>{{45, 60}, {123, 20}, {7, 150}, {90, 176}}
                               << QRect(QPoint(7, 20), QPoint(123, 176));
    QTest::newRow("one point") << QList<QPoint>{{50, 50}} << QRect(50, 50, 1, 1);
    QTest::newRow("one horizontal line")
        << QList<QPoint>{{10, 80}, {300, 80}, {150, 80}} << QRect(QPoint(10, 80), QPoint(300, 80));
    QTest::newRow("equal X") << QList<QPoint>{{60, 10}, {60, 100}, {200, 40}}
                             << QRect(QPoint(60, 10), QPoint(200, 100));
    QTest::newRow("canvas corners")
        << QList<QPoint>{{0, 0}, {319, 179}} << QRect(QPoint(0, 0), QPoint(319, 179));
}

void TestCoveringRectangle::outlineLiesOnBoundingBox()
{
    QFETCH(QList<QPoint>, points);
    QFETCH(QRect, box);
    Scene scene(points);
    scene.draw();
    QCOMPARE(scene.sortedX.ListCount(), points.size());
    QCOMPARE(scene.sortedY.ListCount(), points.size());
    const QList<QPoint> set = scene.setPixels();
    QVERIFY(!set.isEmpty());
    for (const QPoint &p : set) {
        const bool onSide = ((p.x() == box.left() || p.x() == box.right()) && p.y() >= box.top() &&
                             p.y() <= box.bottom()) ||
                            ((p.y() == box.top() || p.y() == box.bottom()) && p.x() >= box.left() &&
                             p.x() <= box.right());
        QVERIFY2(onSide, qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    }
    // Each side starts with a dash at its first corner.
    for (const QPoint &corner :
         {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()})
        QVERIFY(set.contains(corner));
}

void TestCoveringRectangle::longSidesAreDashDot()
{
    Scene scene({{10, 10}, {310, 160}});
    scene.draw();
    const QImage &image = scene.canvas.image();
    // Pixel i of each side, counted from the corner it is drawn from.
    const auto along = [](int side, int i) {
        return side == 0   ? QPoint(10 + i, 10)
               : side == 1 ? QPoint(310, 10 + i)
               : side == 2 ? QPoint(310 - i, 160)
                           : QPoint(10, 160 - i);
    };
    for (int side = 0; side < 4; ++side) {
        int set = 0;
        int gaps = 0;
        for (int i = 20; i < 140; ++i)
            (image.pixel(along(side, i)) == white ? gaps : set) += 1;
        QVERIFY2(set > 40 && gaps > 20, qPrintable(QString("side %1").arg(side)));
        // The pattern starts afresh at the first corner: a dash of nine pixels, then a gap.
        QVERIFY2(image.pixel(along(side, 8)) != white && image.pixel(along(side, 9)) == white,
                 qPrintable(QString("side %1").arg(side)));
    }
}

void TestCoveringRectangle::secondCalculateDrawsSamePixels()
{
    Scene scene({{45, 60}, {123, 20}, {7, 150}});
    scene.draw();
    const QImage once = scene.canvas.image();
    scene.draw();
    QCOMPARE(scene.canvas.image(), once);
    QCOMPARE(scene.sortedY.List(0), "00020");
    QCOMPARE(scene.sortedY.List(2), "00150");
}

void TestCoveringRectangle::noPointsDrawsNothing()
{
    Scene scene({});
    scene.sortedX.AddItem("00001"); // left from an earlier calculation
    scene.draw();
    QCOMPARE(scene.setPixels(), QList<QPoint>());
    QCOMPARE(scene.sortedX.ListCount(), 0);
    QCOMPARE(scene.canvas.DrawWidth(), 1);
    QCOMPARE(scene.canvas.DrawStyle(), Canvas::LineStyle::DashDot);
}

QTEST_APPLESS_MAIN(TestCoveringRectangle)
#include "tst_coveringrectangle.moc"
