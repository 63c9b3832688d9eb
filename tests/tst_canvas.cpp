// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "colours.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace {

constexpr QRgb white = 0xffffffff;
constexpr QRgb black = 0xff000000;

// A white 40 x 30 canvas in pixels.
void prepare(Canvas &canvas, int width = 1, Canvas::LineStyle style = Canvas::LineStyle::Solid)
{
    canvas.resize({40, 30});
    canvas.setScaleMode(Canvas::ScaleUnit::Pixels);
    canvas.setBackColor(white);
    canvas.Cls();
    canvas.setDrawWidth(width);
    canvas.setDrawStyle(style);
}

QList<QPoint> setPixels(const QImage &image)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != white)
                points.append({x, y});
    return points;
}

// Lengths of the runs of set pixels along row y.
QList<int> runsOnRow(const QImage &image, int y)
{
    QList<int> runs;
    int run = 0;
    for (int x = 0; x <= image.width(); ++x) {
        if (x < image.width() && image.pixel(x, y) != white) {
            ++run;
        } else if (run > 0) {
            runs.append(run);
            run = 0;
        }
    }
    return runs;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void wideDotIsSymmetricDisc();
    void dotIsDiscOfItsWidth_data();
    void dotIsDiscOfItsWidth();
    void dotsIgnoreLineStyleAndClipAtEdges();
    void solidLineSetsEverySegmentPixel_data();
    void solidLineSetsEverySegmentPixel();
    void dashDotLineAlternatesDashesAndDots();
    void clsFillsWithBackColor();
    void scaleModeSetsUnit();
    void farCoordinatesDrawSafely();
    void changedCoversTheDrawing();
    void paletteColours();
};

void TestCanvas::wideDotIsSymmetricDisc()
{
    Canvas canvas;
    prepare(canvas, 5);
    canvas.PSet(10, 12);
    const QList<QPoint> pixels = setPixels(canvas.image());
    QCOMPARE(pixels.size(), 21);
    QList<int> rowLengths;
    for (int y = 10; y <= 14; ++y)
        rowLengths.append(runsOnRow(canvas.image(), y).value(0));
    QCOMPARE(rowLengths, (QList<int>{3, 5, 5, 5, 3}));
    for (const QPoint &p : pixels) {
        const int dx = p.x() - 10;
        const int dy = p.y() - 12;
        QVERIFY2(dx * dx + dy * dy <= 6, qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(canvas.image().pixel(p), black);
    }
}

void TestCanvas::dotIsDiscOfItsWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("count");
    QTest::newRow("1: one pixel") << 1 << 1;
    QTest::newRow("2: a plus") << 2 << 5;
    QTest::newRow("3: a square") << 3 << 9;
    QTest::newRow("5") << 5 << 21;
    QTest::newRow("9") << 9 << 69;
}

void TestCanvas::dotIsDiscOfItsWidth()
{
    QFETCH(int, width);
    QFETCH(int, count);
    Canvas canvas;
    prepare(canvas, width);
    canvas.PSet(20.9F, 15.2F, QBColor(6)); // fractions name the pixel they fall in
    const QList<QPoint> pixels = setPixels(canvas.image());
    QCOMPARE(pixels.size(), count);
    for (const QPoint &p : pixels) {
        // Symmetric about the centre pixel in both axes.
        QVERIFY(pixels.contains(QPoint(40 - p.x(), p.y())));
        QVERIFY(pixels.contains(QPoint(p.x(), 30 - p.y())));
        QVERIFY(pixels.contains(QPoint(20 + p.y() - 15, 15 + p.x() - 20)));
        QCOMPARE(canvas.image().pixel(p), QBColor(6));
    }
}

void TestCanvas::dotsIgnoreLineStyleAndClipAtEdges()
{
    Canvas canvas;
    prepare(canvas, 5, Canvas::LineStyle::DashDotDot);
    canvas.PSet(0, 29);
    QCOMPARE(
        setPixels(canvas.image()),
        (QList<QPoint>{{0, 27}, {1, 27}, {0, 28}, {1, 28}, {2, 28}, {0, 29}, {1, 29}, {2, 29}}));
}

void TestCanvas::solidLineSetsEverySegmentPixel_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("horizontal") << QPoint(3, 5) << QPoint(30, 5);
    QTest::newRow("vertical upwards") << QPoint(7, 25) << QPoint(7, 2);
    QTest::newRow("shallow") << QPoint(2, 3) << QPoint(35, 14);
    QTest::newRow("steep backwards") << QPoint(30, 28) << QPoint(21, 1);
    QTest::newRow("one pixel") << QPoint(9, 9) << QPoint(9, 9);
}

void TestCanvas::solidLineSetsEverySegmentPixel()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    Canvas canvas;
    prepare(canvas);
    canvas.Line(float(from.x()), float(from.y()), float(to.x()), float(to.y()));
    const QList<QPoint> pixels = setPixels(canvas.image());
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    // One pixel per step along the longer axis, both ends included, each within half a pixel
    // of the ideal segment.
    QCOMPARE(pixels.size(), std::max(std::abs(dx), std::abs(dy)) + 1);
    QVERIFY(pixels.contains(from));
    QVERIFY(pixels.contains(to));
    const double length = std::hypot(dx, dy);
    for (const QPoint &p : pixels) {
        const double across =
            length == 0 ? 0 : std::abs(dx * (p.y() - from.y()) - dy * (p.x() - from.x())) / length;
        QVERIFY2(across <= 0.5 + 1e-9, qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    }
}

void TestCanvas::dashDotLineAlternatesDashesAndDots()
{
    Canvas canvas;
    prepare(canvas, 1, Canvas::LineStyle::DashDot);
    canvas.Line(0, 7, 39, 7);
    for (const QPoint &p : setPixels(canvas.image()))
        QCOMPARE(p.y(), 7);
    const QList<int> runs = runsOnRow(canvas.image(), 7);
    QVERIFY(runs.size() >= 4);
    for (int i = 0; i + 1 < runs.size() - 1; i += 2) {
        QVERIFY2(runs.at(i) > runs.at(i + 1), "a dash, then a shorter dot");
        QCOMPARE(runs.at(i), runs.at(0));
    }
    QCOMPARE(canvas.image().pixel(0, 7), black); // the pattern starts with a dash at the first end

    // The same line in dash-dot-dot has two dots after each dash.
    prepare(canvas, 1, Canvas::LineStyle::DashDotDot);
    canvas.Line(0, 7, 39, 7);
    const QList<int> dotted = runsOnRow(canvas.image(), 7);
    QVERIFY(dotted.size() >= 3);
    QVERIFY(dotted.at(0) > dotted.at(1));
    QCOMPARE(dotted.at(1), dotted.at(2));

    // Wider lines are solid.
    prepare(canvas, 3, Canvas::LineStyle::DashDot);
    canvas.Line(5, 7, 30, 7);
    QCOMPARE(runsOnRow(canvas.image(), 7), QList<int>{28});
}

void TestCanvas::clsFillsWithBackColor()
{
    Canvas canvas;
    prepare(canvas, 5);
    canvas.PSet(10, 10);
    canvas.setBackColor(QBColor(6));
    canvas.Cls();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            QCOMPARE(canvas.image().pixel(x, y), QBColor(6));
}

void TestCanvas::scaleModeSetsUnit()
{
    Canvas canvas;
    canvas.resize({200, 100});
    QCOMPARE(canvas.ScaleMode(), Canvas::ScaleUnit::Twips);
    QCOMPARE(canvas.ScaleHeight(), 100.0F * 15);
    canvas.setBackColor(white);
    canvas.Cls();
    canvas.PSet(150, 300); // twips
    QCOMPARE(setPixels(canvas.image()), QList<QPoint>{QPoint(10, 20)});
    canvas.setScaleMode(Canvas::ScaleUnit::Pixels);
    QCOMPARE(canvas.ScaleWidth(), 200.0F);
    QCOMPARE(canvas.ScaleHeight(), 100.0F);
    QCOMPARE(canvas.fromPixels(7), 7.0F);
}

void TestCanvas::farCoordinatesDrawSafely()
{
    Canvas canvas;
    prepare(canvas, 5);
    canvas.PSet(1e30F, -1e30F);
    canvas.PSet(NAN, 3);
    canvas.PSet(-3, 10);
    QCOMPARE(setPixels(canvas.image()), QList<QPoint>());
    canvas.setDrawWidth(1);
    canvas.Line(-1e9F, 4, 1e9F, 4);
    QCOMPARE(runsOnRow(canvas.image(), 4), QList<int>{40});
}

void TestCanvas::changedCoversTheDrawing()
{
    Canvas canvas;
    prepare(canvas, 5);
    QSignalSpy changed(&canvas, &Canvas::changed);
    canvas.PSet(1, 10);
    canvas.setDrawWidth(1);
    canvas.Line(30, 20, 10, 25);
    canvas.PSet(-50, -50);
    QCOMPARE(changed.count(), 2); // nothing for a dot wholly off the image
    QCOMPARE(changed.at(0).at(0).toRect(), QRect(QPoint(0, 8), QPoint(3, 12)));
    QCOMPARE(changed.at(1).at(0).toRect(), QRect(QPoint(10, 20), QPoint(30, 25)));
}

void TestCanvas::paletteColours()
{
    QCOMPARE(QBColor(0), qRgb(0, 0, 0));
    QCOMPARE(QBColor(6), qRgb(128, 128, 0));
    QCOMPARE(QBColor(15), qRgb(255, 255, 255));
    QCOMPARE(QBColor(16), qRgb(0, 0, 0));
    QCOMPARE(RGB(255, 192, 128), qRgb(255, 192, 128));
}

QTEST_APPLESS_MAIN(TestCanvas)
#include "tst_canvas.moc"
