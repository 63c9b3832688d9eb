// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One column of text rows with at most one selected row, as a list box holds them.
// Views show it through the item-model interface; the program reads and writes it directly.

#include <QAbstractListModel>
#include <QStringList>
#include <functional>

class TextColumn : public QAbstractListModel
{
    Q_OBJECT
public:
    enum class Order { Unsorted, Sorted };

    // arrayIndex is the column's place in its control array; Click carries it.
    TextColumn(Order order, int arrayIndex, QObject *parent = nullptr);

    // Unsorted: appends. Sorted: inserts after every row whose text is not greater, so
    // equal texts keep a row each. Never changes which row is selected, never raises Click.
    void AddItem(const QString &text);
    // Removes a valid row; later rows move up. Removing the selected row leaves none
    // selected. Never raises Click.
    void RemoveItem(int row);
    // Removes every row. Never raises Click.
    void Clear();

    int ListCount() const { return int(m_rows.size()); }
    QString List(int row) const { return m_rows.value(row); }

    // The selected row, or -1.
    int ListIndex() const { return m_selected; }
    // Selects a row (-1 selects none). A change raises Click before returning; writing the
    // selected row again raises nothing. Rows outside the column are ignored.
    void setListIndex(int row);

    // What assistive technology reads out for a row; by default the row's text.
    void setAccessibleRowText(std::function<QString(int row)> text);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    // Any change of the selected row, the quiet ones included; views follow it.
    void listIndexChanged(int row);
    // The selection changed through setListIndex, as a user's choice does.
    void Click(int arrayIndex);

private:
    void setSelected(int row);

    QStringList m_rows;
    std::function<QString(int row)> m_accessibleRowText;
    int m_selected = -1;
    Order m_order;
    int m_arrayIndex;
};
