// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Paints the rows of a list box: one line of plain text, the selection and the focus frame.
// Row texts are short and repeat, so each is laid out once and drawn from a cache.

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    mutable QHash<QString, QStaticText> m_texts;
};
