// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colours.h"
#include "formdriver.h"

#include <QAccessible>
#include <functional>

namespace {

bool allWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != QBColor(15))
                return false;
    return true;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void deletingOnlyPointLeavesCleanCanvas();
    void deleteWithoutSelectionChangesNothing();
    void deletingFreesPlaceForOneMore();
    void deleteAfterCalculateUsesThinPen();
    void clearResetsEverythingAndEmptiesDescription();
    void buttonsWorkFromKeyboard_data();
    void buttonsWorkFromKeyboard();
    void wholeSession();
    void keyboardSessionDrawsAsMouseSession();
};

void TestCommands::deletingOnlyPointLeavesCleanCanvas()
{
    FormDriver d;
    d.press(50, 60);
    d.clickRow(d.form.List1View(0), 0);
    d.clickButton(2);
    QCOMPARE(d.form.PointCount(), 0);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(d.form.List1(i).ListCount(), 0);
    QVERIFY(allWhite(d.form.canvas().image()));
    for (int i = 0; i < 24; ++i)
        d.press(5 + 12 * i, 100);
    QCOMPARE(d.form.PointCount(), 23);
}

void TestCommands::deleteWithoutSelectionChangesNothing()
{
    FormDriver d;
    d.press(50, 60);
    d.press(80, 90);
    const QImage before = d.form.canvas().image();
    d.clickButton(2);
    QCOMPARE(d.form.PointCount(), 2);
    QCOMPARE(d.rows(0), (QStringList{"50", "80"}));
    QCOMPARE(d.form.canvas().image(), before);
}

void TestCommands::deletingFreesPlaceForOneMore()
{
    FormDriver d;
    for (int i = 0; i < 23; ++i)
        d.press(10 + 13 * i, 20);
    d.clickRow(d.form.List1View(2), 5);
    d.clickButton(2);
    QCOMPARE(d.form.PointCount(), 22);
    QCOMPARE(d.form.List1(0).ListIndex(), -1);
    QCOMPARE(d.form.List1(2).ListIndex(), -1);
    QCOMPARE(d.form.List1View(2)->selectionModel()->selectedRows().size(), 0);
    QCOMPARE(d.rows(0).at(5), "88"); // later rows moved up
    d.press(100, 150);
    d.press(110, 150);
    QCOMPARE(d.form.PointCount(), 23);
    QCOMPARE(d.rows(1).last(), "150");
}

void TestCommands::deleteAfterCalculateUsesThinPen()
{
    FormDriver d;
    d.press(40, 30);
    d.press(200, 120);
    d.press(100, 60);
    d.clickButton(0);
    QCOMPARE(d.pixel(40, 120), QBColor(0)); // bottom left corner of the outline

    d.clickRow(d.form.List1View(0), 1); // the bottom right point, on two sides
    QCOMPARE(d.pixel(200, 120), QBColor(6));
    QCOMPARE(d.pixel(201, 120), QBColor(0)); // single-pixel mark inside the 5-pixel dot
    d.clickButton(2);
    // One white pixel at the centre; the rest of the dot stays.
    QCOMPARE(d.pixel(200, 120), QBColor(15));
    QCOMPARE(d.pixel(201, 120), QBColor(0));
    QCOMPARE(d.pixel(200, 118), QBColor(0));

    // Calculate again: the outline of the two left, and the old one stays.
    d.clickButton(0);
    QCOMPARE(d.pixel(40, 60), QBColor(0));
    QCOMPARE(d.pixel(100, 45), QBColor(0));
    QCOMPARE(d.pixel(200, 30), QBColor(0));
    QCOMPARE(d.pixel(200, 120), QBColor(15)); // cut out of the old outline
}

void TestCommands::clearResetsEverythingAndEmptiesDescription()
{
    FormDriver d;
    const QString description = d.form.Text1()->toPlainText();
    d.press(40, 30);
    d.press(200, 120);
    d.clickRow(d.form.List1View(2), 0);
    d.clickButton(0);
    d.clickButton(2);
    QCOMPARE(d.form.Text1()->toPlainText(), description); // Calculate and Delete leave it

    d.clickButton(1);
    QCOMPARE(d.form.Text1()->toPlainText(), QString());
    QCOMPARE(d.form.PointCount(), 0);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(d.form.List1(i).ListCount(), 0);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(d.form.List2(i).ListCount(), 0);
    QCOMPARE(d.form.canvas().DrawWidth(), 5);
    QCOMPARE(d.form.canvas().DrawStyle(), Canvas::LineStyle::DashDotDot);
    QVERIFY(allWhite(d.form.canvas().image()));

    d.clickButton(0); // no points: nothing to draw, nothing fails
    QVERIFY(allWhite(d.form.canvas().image()));
    d.clickButton(1);
    QCOMPARE(d.form.Text1()->toPlainText(), QString()); // not refilled
}

void TestCommands::buttonsWorkFromKeyboard_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("points");
    QTest::newRow("Calculate") << 0 << int(Qt::Key_Space) << 2;
    QTest::newRow("Clear") << 1 << int(Qt::Key_Space) << 0;
    QTest::newRow("Delete") << 2 << int(Qt::Key_Space) << 1;
    QTest::newRow("Calculate by Enter") << 0 << int(Qt::Key_Return) << 2;
    QTest::newRow("Delete by keypad Enter") << 2 << int(Qt::Key_Enter) << 1;
}

void TestCommands::buttonsWorkFromKeyboard()
{
    QFETCH(int, button);
    QFETCH(int, key);
    QFETCH(int, points);
    FormDriver d;
    d.press(40, 30);
    d.press(200, 120);
    d.clickRow(d.form.List1View(0), 0);
    QWidget *target = d.form.findChild<QWidget *>(QString("Command1_%1").arg(button));
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(d.form.PointCount(), points);
    if (button == 0)
        QCOMPARE(d.pixel(120, 30), QBColor(0));
}

void TestCommands::wholeSession()
{
    FormDriver d;
    for (const QPoint &p : {QPoint(30, 40), QPoint(300, 20), QPoint(150, 170), QPoint(90, 90)})
        d.press(p.x(), p.y());
    d.clickRow(d.form.List1View(2), 1);
    d.clickButton(0);
    d.clickButton(2); // removes (300, 20)
    QCOMPARE(d.rows(0), (QStringList{"30", "150", "90"}));
    QCOMPARE(d.rows(1), (QStringList{"40", "170", "90"}));
    QCOMPARE(d.rows(2), (QStringList{"137", "7", "87"}));
    QCOMPARE(d.form.PointCount(), 3);
    d.clickButton(0);
    QCOMPARE(FormDriver::rowsOf(d.form.List2(0)), (QStringList{"00030", "00090", "00150"}));
    QCOMPARE(FormDriver::rowsOf(d.form.List2(1)), (QStringList{"00040", "00090", "00170"}));
    QCOMPARE(d.pixel(30, 170), QBColor(0));
    QCOMPARE(d.pixel(150, 40), QBColor(0));
    d.press(200, 100);
    QCOMPARE(d.form.canvas().DrawWidth(), 5);
    QCOMPARE(d.form.PointCount(), 4);
    d.clickButton(1);
    QCOMPARE(d.form.PointCount(), 0);
    QVERIFY(allWhite(d.form.canvas().image()));
    QCOMPARE(d.form.List1View(0)->model()->rowCount(), 0);
}

namespace {

// One step of a session: keys typed into the focused control, or else the same step done with
// the mouse, and what a screen reader then reads as the canvas's description.
struct Step
{
    QList<QKeyCombination> keys;
    std::function<void(FormDriver &)> mouse;
    QString description;
};

} // namespace

void TestCommands::keyboardSessionDrawsAsMouseSession()
{
    using K = QKeyCombination;
    const Qt::KeyboardModifier shift = Qt::ShiftModifier;
    // Shift+Tab from the description reaches the canvas, with the crosshair at its centre.
    const QRect area = QRect(QPoint(), MainForm().Picture1()->contentsRect().size());
    const QPoint c = area.center();
    const int right = area.right(), bottom = area.bottom();
    const auto at = [&](int x, int y) {
        return QString("X %1, Y %2").arg(x).arg(area.height() - y);
    };
    const QString bounds =
        QString("правоъгълник: X от 0 до %1, Y от 1 до %2").arg(right).arg(area.height());
    const QList<Step> steps = {
        {{K(shift, Qt::Key_Tab), K(shift, Qt::Key_Left), K(shift, Qt::Key_Left), K(Qt::Key_Space)},
         [&](FormDriver &d) { d.press(c.x() - 20, c.y()); },
         "1 точка; кръстче: " + at(c.x() - 20, c.y())},
        {{K(Qt::Key_Home), K(shift, Qt::Key_Down), K(shift, Qt::Key_Down), K(Qt::Key_Left),
          K(Qt::Key_Return)},
         [&](FormDriver &d) { d.press(0, c.y() + 20); },
         "2 точки; кръстче: " + at(0, c.y() + 20)},
        {{K(Qt::Key_End), K(Qt::Key_PageUp), K(Qt::Key_Up), K(Qt::KeypadModifier, Qt::Key_Enter)},
         [&](FormDriver &d) { d.press(right, 0); },
         "3 точки; кръстче: " + at(right, 0)},
        // The last row and column are the pupil's too, and the crosshair stops on them.
        {{K(Qt::Key_PageDown), K(shift, Qt::Key_Right), K(Qt::Key_Down), K(Qt::Key_Space)},
         [&](FormDriver &d) { d.press(right, bottom); },
         "4 точки; кръстче: " + at(right, bottom)},
        {{K(shift, Qt::Key_Tab), K(Qt::Key_Down), K(Qt::Key_Down)},
         [](FormDriver &d) { d.clickRow(d.form.List1View(2), 1); },
         "4 точки; избрана точка 2: " + at(0, c.y() + 20)},
        {{K(shift, Qt::Key_Tab), K(shift, Qt::Key_Tab), K(shift, Qt::Key_Tab), K(Qt::Key_Return)},
         [](FormDriver &d) { d.clickButton(0); },
         "4 точки; избрана точка 2: " + at(0, c.y() + 20) + "; " + bounds},
        // Choosing a row changes no point: the rectangle still covers them all.
        {{K(shift, Qt::Key_Tab), K(Qt::Key_Down)},
         [](FormDriver &d) { d.clickRow(d.form.List1View(0), 2); },
         "4 точки; избрана точка 3: " + at(right, 0) + "; " + bounds},
        {{K(Qt::Key_Tab), K(Qt::Key_Tab), K(Qt::Key_Tab), K(Qt::Key_Return)},
         [](FormDriver &d) { d.clickButton(2); },
         "3 точки; правоъгълникът е начертан за предишните точки"},
        {{K(shift, Qt::Key_Tab), K(Qt::Key_Space)},
         [](FormDriver &d) { d.clickButton(1); },
         "няма точки"},
    };
    QList<QImage> images;
    {
        FormDriver keyboard;
        QAccessibleInterface *canvas =
            QAccessible::queryAccessibleInterface(keyboard.form.Picture1());
        for (const Step &step : steps) {
            for (const QKeyCombination key : step.keys)
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            QCOMPARE(canvas->text(QAccessible::Description), step.description);
            images.append(keyboard.form.canvas().image());
        }
    }
    FormDriver mouse;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        steps[i].mouse(mouse);
        QVERIFY2(mouse.form.canvas().image() == images[i], qPrintable(QString("step %1").arg(i)));
    }
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
