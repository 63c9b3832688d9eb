// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colours.h"
#include "formdriver.h"

#include <QSignalSpy>

class TestPointEntry : public QObject
{
    Q_OBJECT
private slots:
    void pressEntersPoint_data();
    void pressEntersPoint();
    void twentyFourthPressChangesNothing();
    void selectionInYListSelectsEverywhere();
    void selectionByKeyboard();
    void selectionRunsNestedChain_data();
    void selectionRunsNestedChain();
    void highlightUsesCurrentPenWidth();
};

void TestPointEntry::pressEntersPoint_data()
{
    QTest::addColumn<QPoint>("at"); // in the inner area; -1 is its last column or row
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("near the bottom") << QPoint(30, -1) << Qt::LeftButton;
    QTest::newRow("top left corner") << QPoint(0, 0) << Qt::RightButton;
    QTest::newRow("bottom right corner") << QPoint(-1, -1) << Qt::MiddleButton;
    QTest::newRow("finger") << QPoint(150, 90) << Qt::NoButton;
}

void TestPointEntry::pressEntersPoint()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, button);
    FormDriver d;
    PictureBox *picture = d.form.Picture1();
    const QRect area = picture->contentsRect();
    const QPoint inner = area.topLeft();
    at = {at.x() < 0 ? area.width() - 1 : at.x(), at.y() < 0 ? area.height() - 1 : at.y()};
    // A finger (a touch screen, an interactive board) taps; twice it is a double-click.
    static QPointingDevice *const finger = QTest::createTouchDevice();
    const auto enter = [&] {
        if (button != Qt::NoButton)
            return d.press(at.x(), at.y(), button);
        QTest::touchEvent(picture, finger).press(0, inner + at, picture);
        QTest::touchEvent(picture, finger).release(0, inner + at, picture);
    };
    enter();
    QCOMPARE(d.form.PointCount(), 1);
    QCOMPARE(d.rows(0), QStringList{QString::number(at.x())});
    QCOMPARE(d.rows(1), QStringList{QString::number(at.y())});
    QCOMPARE(d.rows(2), QStringList{QString::number(area.height() - at.y())}); // 1 at the bottom
    QCOMPARE(d.pixel(at.x(), at.y()), QBColor(0));
    QCOMPARE(d.form.canvas().DrawWidth(), 5);
    QCOMPARE(d.form.List1View(0)->model()->rowCount(), 1); // shown in the visible list

    // A double-click is one press: its second press enters nothing.
    if (button == Qt::NoButton)
        enter();
    else
        QTest::mouseDClick(picture, button, {}, inner + at);
    QCOMPARE(d.form.PointCount(), 1);
}

void TestPointEntry::twentyFourthPressChangesNothing()
{
    FormDriver d;
    for (int i = 0; i < 23; ++i)
        d.press(10 + 13 * i, 10 + 7 * i);
    QCOMPARE(d.form.PointCount(), 23);
    const QImage before = d.form.canvas().image();
    d.press(200, 20);
    QCOMPARE(d.form.PointCount(), 23);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(d.form.List1(i).ListCount(), 23);
    QCOMPARE(d.form.canvas().image(), before);
}

void TestPointEntry::selectionInYListSelectsEverywhere()
{
    FormDriver d;
    const QList<QPoint> points = {{20, 30}, {60, 90}, {150, 40}, {300, 170}};
    for (const QPoint &p : points)
        d.press(p.x(), p.y());
    d.clickRow(d.form.List1View(2), 2);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(d.form.List1(i).ListIndex(), 2);
    QCOMPARE(d.form.List1View(0)->currentIndex().row(), 2); // the X list shows it too
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(d.pixel(points[i].x(), points[i].y()), i == 2 ? QBColor(6) : QBColor(0));

    // Another selection turns the old mark black again.
    d.clickRow(d.form.List1View(0), 0);
    QCOMPARE(d.pixel(150, 40), QBColor(0));
    QCOMPARE(d.pixel(20, 30), QBColor(6));
    QCOMPARE(d.form.List1(2).ListIndex(), 0);
}

void TestPointEntry::selectionByKeyboard()
{
    FormDriver d;
    d.press(20, 30);
    d.press(60, 90);
    d.form.List1View(2)->setFocus();
    QTest::keyClick(d.form.List1View(2), Qt::Key_End); // from no selection
    for (int i = 0; i < 3; ++i)
        QCOMPARE(d.form.List1(i).ListIndex(), 1);
    QCOMPARE(d.pixel(60, 90), QBColor(6));
    QTest::keyClick(d.form.List1View(2), Qt::Key_Up);
    QCOMPARE(d.form.List1(1).ListIndex(), 0);
    QCOMPARE(d.pixel(20, 30), QBColor(6));
    QCOMPARE(d.pixel(60, 90), QBColor(0));
}

void TestPointEntry::selectionRunsNestedChain_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QList<int>>("runs");
    // Runs are listed as they return: the chosen column's run writes X first, whose run
    // writes the screen Y, and so on, each nested in the one before; writes of a row a
    // column already has start nothing.
    QTest::newRow("in the X list") << 0 << QList<int>{2, 1, 0};
    QTest::newRow("in the Y list") << 2 << QList<int>{1, 0, 2};
}

void TestPointEntry::selectionRunsNestedChain()
{
    QFETCH(int, list);
    QFETCH(QList<int>, runs);
    FormDriver d;
    d.press(20, 30);
    d.press(60, 90);
    QList<int> seen;
    for (int i = 0; i < 3; ++i)
        connect(&d.form.List1(i), &TextColumn::Click, this,
                [&seen](int index) { seen.append(index); });
    d.clickRow(list == 0 ? d.form.List1View(0) : d.form.List1View(2), 1);
    QCOMPARE(seen, runs);

    seen.clear();
    for (int i = 0; i < 3; ++i)
        d.form.List1(i).setListIndex(1);
    QCOMPARE(seen, QList<int>());
}

void TestPointEntry::highlightUsesCurrentPenWidth()
{
    FormDriver d;
    d.press(40, 40);
    d.press(100, 100);
    d.form.canvas().setDrawWidth(1);
    d.form.canvas().setBackColor(QBColor(15));
    d.form.canvas().Cls();
    d.clickRow(d.form.List1View(2), 1);
    QCOMPARE(d.pixel(100, 100), QBColor(6));
    QCOMPARE(d.pixel(101, 100), QBColor(15));
    QCOMPARE(d.pixel(100, 99), QBColor(15));
    QCOMPARE(d.pixel(40, 40), QBColor(0));
    QCOMPARE(d.pixel(41, 40), QBColor(15));
}

QTEST_MAIN(TestPointEntry)
#include "tst_pointentry.moc"
