// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textcolumn.h"

#include <QSignalSpy>
#include <QTest>

class TestTextColumn : public QObject
{
    Q_OBJECT
private slots:
    void sortedColumnKeepsTextOrder_data();
    void sortedColumnKeepsTextOrder();
    void addingRowsKeepsSelectionQuietly();
    void removingRowsIsQuiet();
    void writingListIndexClicksOnChangeOnly();
    void clickHandlerMayReenterFromItsOwnWrite();
    void clearIsQuiet();
};

void TestTextColumn::sortedColumnKeepsTextOrder_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("padded numbers")
        << QStringList{"00045", "00123", "00007"} << QStringList{"00007", "00045", "00123"};
    QTest::newRow("unpadded is text order")
        << QStringList{"45", "123", "7"} << QStringList{"123", "45", "7"};
    QTest::newRow("equal texts keep a row each")
        << QStringList{"00010", "00005", "00010"} << QStringList{"00005", "00010", "00010"};
}

void TestTextColumn::sortedColumnKeepsTextOrder()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, rows);
    TextColumn sorted(TextColumn::Order::Sorted, 0);
    TextColumn unsorted(TextColumn::Order::Unsorted, 0);
    for (const QString &text : added) {
        sorted.AddItem(text);
        unsorted.AddItem(text);
    }
    QCOMPARE(sorted.ListCount(), rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        QCOMPARE(sorted.List(r), rows.at(r));
        QCOMPARE(unsorted.List(r), added.at(r));
    }
    QCOMPARE(sorted.List(-1), QString());
    QCOMPARE(sorted.List(rows.size()), QString());
}

void TestTextColumn::addingRowsKeepsSelectionQuietly()
{
    TextColumn sorted(TextColumn::Order::Sorted, 1);
    sorted.AddItem("00020");
    sorted.setListIndex(0);
    QSignalSpy clicks(&sorted, &TextColumn::Click);
    QVERIFY(clicks.isValid());
    sorted.AddItem("00010"); // lands before the selected row, which moves down with its text
    sorted.AddItem("00030");
    QCOMPARE(sorted.ListIndex(), 1);
    QCOMPARE(sorted.List(sorted.ListIndex()), "00020");
    QCOMPARE(clicks.count(), 0);
}

void TestTextColumn::removingRowsIsQuiet()
{
    TextColumn column(TextColumn::Order::Unsorted, 2);
    for (const char *text : {"a", "b", "c", "d"})
        column.AddItem(text);
    column.setListIndex(2);
    QSignalSpy clicks(&column, &TextColumn::Click);
    column.RemoveItem(0); // before the selection: it follows its row up
    QCOMPARE(column.ListIndex(), 1);
    QCOMPARE(column.List(1), "c");
    column.RemoveItem(1); // the selected row
    QCOMPARE(column.ListIndex(), -1);
    QCOMPARE(column.ListCount(), 2);
    QCOMPARE(column.List(1), "d");
    QCOMPARE(clicks.count(), 0);
}

void TestTextColumn::writingListIndexClicksOnChangeOnly()
{
    TextColumn column(TextColumn::Order::Unsorted, 2);
    column.AddItem("a");
    column.AddItem("b");
    QSignalSpy clicks(&column, &TextColumn::Click);
    column.setListIndex(1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2); // the column's index in its array
    column.setListIndex(1);
    column.setListIndex(5);
    column.setListIndex(-2);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(column.ListIndex(), 1);
    column.setListIndex(-1);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(column.ListIndex(), -1);
}

void TestTextColumn::clickHandlerMayReenterFromItsOwnWrite()
{
    TextColumn column(TextColumn::Order::Unsorted, 0);
    for (const char *text : {"a", "b", "c"})
        column.AddItem(text);
    QList<int> seen;
    connect(&column, &TextColumn::Click, this, [&] {
        seen.append(column.ListIndex());
        if (column.ListIndex() == 0)
            column.setListIndex(2); // runs this handler again before returning
        seen.append(-10 - column.ListIndex());
    });
    column.setListIndex(0);
    QCOMPARE(seen, (QList<int>{0, 2, -12, -12}));
}

void TestTextColumn::clearIsQuiet()
{
    TextColumn column(TextColumn::Order::Unsorted, 0);
    column.AddItem("a");
    column.setListIndex(0);
    QSignalSpy clicks(&column, &TextColumn::Click);
    column.Clear();
    QCOMPARE(column.ListCount(), 0);
    QCOMPARE(column.ListIndex(), -1);
    QCOMPARE(clicks.count(), 0);
}

QTEST_APPLESS_MAIN(TestTextColumn)
#include "tst_textcolumn.moc"
