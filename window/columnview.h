// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A visible list box over a TextColumn. The column holds the truth: the view shows its rows
// and its selected row, and hands the user's choice of another row to the column. The user
// can move the selection but not clear it, and the current row is always the selected one.

#include <QListView>

class TextColumn;

class ColumnView : public QListView
{
    Q_OBJECT
public:
    explicit ColumnView(QWidget *parent = nullptr);

    void setColumn(TextColumn *column);

protected:
    bool viewportEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // QListView tells assistive technology that a new current row has the focus even in a list
    // that has not: the row chosen along in the other list would be read after the pupil's own.
    // Nor is it told of the first row, which the stock view makes current on the way in and
    // the column makes no row again: a reader would say a point that nobody chose.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void takeUserChoice();
    void showColumnSelection();

    TextColumn *m_column = nullptr;
    bool m_enteringFocus = false;
};
