#include "columnview.h"
#include "textcolumn.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

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
    void selectionCannotBeCleared_data();
    void selectionCannotBeCleared();
    void removingSelectedRowRaisesNoClick();
    void focusLeavesNoUnselectedCurrentRow();
    void writtenRowScrollsIntoView();
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
    QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << 3;
}

void TestColumnView::userChoiceReachesColumn()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, row);
    Fixture f(6);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
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

void TestColumnView::selectionCannotBeCleared_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("ctrl+click the selected row") << "ctrl-click";
    QTest::newRow("ctrl+space") << "ctrl-space";
    QTest::newRow("click below the last row") << "click-below";
}

void TestColumnView::selectionCannotBeCleared()
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

QTEST_MAIN(TestColumnView)
#include "tst_columnview.moc"
