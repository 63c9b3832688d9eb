// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "columnview.h"
#include "textcolumn.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <memory>

namespace {

// A shown list box of the program's size over a column of rows "10", "11", ...
struct Fixture
{
    explicit Fixture(int rows)
    {
        for (int i = 0; i < rows; ++i)
            column.AddItem(QString::number(10 + i));
        view.setColumn(&column);
        view.setGeometry(0, 0, 49, 80);
        view.setFont(QFont("Times New Roman", 12));
        view.show();
    }

    QPoint centreOf(int row) const { return view.visualRect(column.index(row, 0)).center(); }
    int shownRow() const
    {
        const auto rows = view.selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    // Whether the row is painted as chosen: mostly highlight, with text in the style's colour
    // for text on it; inside the focus ring, which has both black and white.
    bool shownChosen(int row)
    {
        const QRect rect = view.visualRect(column.index(row, 0)).adjusted(2, 2, -2, -2);
        const QImage image = view.viewport()->grab(rect).toImage();
        const QPalette &palette = view.palette();
        const QRgb highlight = palette.color(QPalette::Active, QPalette::Highlight).rgb();
        const QRgb onHighlight = palette.color(QPalette::Active, QPalette::HighlightedText).rgb();
        int fill = 0;
        int text = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                fill += pixel == highlight;
                text += std::abs(qGray(pixel) - qGray(onHighlight)) < 40;
            }
        return fill > image.width() * image.height() / 2 && text > 5;
    }
    bool viewAgrees() const
    {
        const int row = column.ListIndex();
        return shownRow() == row && view.currentIndex().row() == row;
    }

    TextColumn column{TextColumn::Order::Unsorted, 2};
    ColumnView view;
};

} // namespace

class TestColumnView : public QObject
{
    Q_OBJECT
private slots:
    void userChoiceReachesColumn_data();
    void userChoiceReachesColumn();
    void selectionStaysUnlessChosen_data();
    void selectionStaysUnlessChosen();
    void removingSelectedRowRaisesNoClick();
    void focusLeavesNoUnselectedCurrentRow();
    void writtenRowScrollsIntoView();
    void chosenRowStaysVisible_data();
    void chosenRowStaysVisible();
};

void TestColumnView::userChoiceReachesColumn_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key"); // 0 for a mouse click on row `row`
    QTest::addColumn<int>("row");
    QTest::newRow("click") << -1 << 0 << 2;
    QTest::newRow("click another") << 0 << 0 << 3;
    QTest::newRow("down from none") << -1 << int(Qt::Key_Down) << 0;
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << 2;
    QTest::newRow("up") << 1 << int(Qt::Key_Up) << 0;
    QTest::newRow("end") << 1 << int(Qt::Key_End) << 5;
    QTest::newRow("end from none") << -1 << int(Qt::Key_End) << 5;
    QTest::newRow("home") << 4 << int(Qt::Key_Home) << 0;
    QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << -2; // last row wholly shown
}

void TestColumnView::userChoiceReachesColumn()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, row);
    Fixture f(6);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    if (row == -2) { // how many rows a page holds depends on the platform's row height
        row = 0;
        while (f.view.viewport()->rect().contains(f.view.visualRect(f.column.index(row + 1, 0))))
            ++row;
    }
    f.column.setListIndex(start);
    QSignalSpy clicks(&f.column, &TextColumn::Click);
    if (key == 0)
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.centreOf(row));
    else
        QTest::keyClick(&f.view, Qt::Key(key));
    QCOMPARE(f.column.ListIndex(), row);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
    QVERIFY(f.viewAgrees());
}

void TestColumnView::selectionStaysUnlessChosen_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("ctrl+click the selected row") << "ctrl-click";
    QTest::newRow("ctrl+space") << "ctrl-space";
    QTest::newRow("click below the last row") << "click-below";
    QTest::newRow("right press on another row") << "right";
    QTest::newRow("middle double-click on another row") << "middle";
}

void TestColumnView::selectionStaysUnlessChosen()
{
    QFETCH(QString, action);
    Fixture f(2);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.centreOf(0));
    QCOMPARE(f.column.ListIndex(), 0);
    QSignalSpy clicks(&f.column, &TextColumn::Click);
    if (action == "ctrl-click")
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::ControlModifier, f.centreOf(0));
    else if (action == "ctrl-space")
        QTest::keyClick(&f.view, Qt::Key_Space, Qt::ControlModifier);
    else if (action == "right")
        QTest::mouseClick(f.view.viewport(), Qt::RightButton, {}, f.centreOf(1));
    else if (action == "middle")
        QTest::mouseDClick(f.view.viewport(), Qt::MiddleButton, {}, f.centreOf(1));
    else
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, QPoint(10, 75));
    QCOMPARE(f.column.ListIndex(), 0);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(f.viewAgrees());
}

void TestColumnView::removingSelectedRowRaisesNoClick()
{
    Fixture f(4);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.centreOf(1));
    QSignalSpy clicks(&f.column, &TextColumn::Click);
    f.column.RemoveItem(1);
    QCOMPARE(f.column.ListIndex(), -1);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(f.viewAgrees()); // no neighbouring row became current or selected

    f.column.setListIndex(2);
    f.column.RemoveItem(0); // the selection follows its row up
    QCOMPARE(f.column.ListIndex(), 1);
    QVERIFY(f.viewAgrees());
}

void TestColumnView::focusLeavesNoUnselectedCurrentRow()
{
    QWidget window;
    auto *before = new QWidget(&window);
    before->setFocusPolicy(Qt::StrongFocus);
    TextColumn column(TextColumn::Order::Unsorted, 0);
    column.AddItem("1");
    column.AddItem("2");
    auto *view = new ColumnView(&window);
    view->setColumn(&column);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(view->hasFocus());
    QCOMPARE(view->currentIndex().row(), -1);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(column.ListIndex(), -1);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(column.ListIndex(), 0);
    QCOMPARE(view->currentIndex().row(), 0);
}

void TestColumnView::writtenRowScrollsIntoView()
{
    Fixture f(23);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    f.column.setListIndex(22);
    QVERIFY(f.view.viewport()->rect().contains(f.view.visualRect(f.column.index(22, 0))));
    QVERIFY(f.view.verticalScrollBar()->isVisible());
    QVERIFY(!f.view.horizontalScrollBar()->isVisible());
    QVERIFY(f.viewAgrees());
}

void TestColumnView::chosenRowStaysVisible_data()
{
    QTest::addColumn<QString>("style"); // empty for the application's
    QTest::addColumn<bool>("active");
    for (const QString style : {"", "windows", "windowsvista"}) {
        QTest::addRow("%s, active", qPrintable(style)) << style << true;
        QTest::addRow("%s, behind another window", qPrintable(style)) << style << false;
    }
}

void TestColumnView::chosenRowStaysVisible()
{
    QFETCH(QString, style);
    QFETCH(bool, active);
    std::unique_ptr<QStyle> owned(style.isEmpty() ? nullptr : QStyleFactory::create(style));
    if (!style.isEmpty() && !owned)
        QSKIP("this style is not built here");
    Fixture f(3);
    if (owned)
        f.view.setStyle(owned.get());
    f.column.setListIndex(1);
    QWidget other;
    QWidget &front = active ? static_cast<QWidget &>(f.view) : other;
    front.show();
    front.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&front));
    QCOMPARE(f.view.isActiveWindow(), active);
    QVERIFY(f.shownChosen(1));
    QVERIFY(!f.shownChosen(0));
}

QTEST_MAIN(TestColumnView)
#include "tst_columnview.moc"
