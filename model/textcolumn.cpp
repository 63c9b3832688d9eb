// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textcolumn.h"

#include <algorithm>

TextColumn::TextColumn(Order order, int arrayIndex, QObject *parent)
    : QAbstractListModel(parent), m_order(order), m_arrayIndex(arrayIndex)
{
}

void TextColumn::AddItem(const QString &text)
{
    auto at = m_rows.end();
    if (m_order == Order::Sorted) {
        at = std::upper_bound(m_rows.begin(), m_rows.end(), text,
                              [](const QString &a, const QString &b) {
                                  return a.compare(b, Qt::CaseInsensitive) < 0;
                              });
    }
    const int row = int(at - m_rows.begin());
    beginInsertRows({}, row, row);
    m_rows.insert(row, text);
    endInsertRows();
    if (m_selected >= row)
        setSelected(m_selected + 1);
}

void TextColumn::RemoveItem(int row)
{
    if (row < 0 || row >= ListCount())
        return;
    // The selection goes first, so that no view moves its current row onto a neighbour.
    if (m_selected == row)
        setSelected(-1);
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    if (m_selected > row)
        setSelected(m_selected - 1);
}

void TextColumn::Clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    setSelected(-1);
}

void TextColumn::setListIndex(int row)
{
    if (row < -1 || row >= ListCount() || row == m_selected)
        return;
    setSelected(row);
    emit Click(m_arrayIndex);
}

void TextColumn::setSelected(int row)
{
    if (row == m_selected)
        return;
    m_selected = row;
    emit listIndexChanged(row);
}

void TextColumn::setAccessibleRowText(std::function<QString(int row)> text)
{
    m_accessibleRowText = std::move(text);
}

int TextColumn::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ListCount();
}

QVariant TextColumn::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= ListCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows.at(index.row());
    if (role == Qt::AccessibleTextRole)
        return m_accessibleRowText ? m_accessibleRowText(index.row()) : m_rows.at(index.row());
    return {};
}
