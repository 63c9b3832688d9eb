// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "columnview.h"

#include "focusframe.h"
#include "rowdelegate.h"
#include "textcolumn.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

ColumnView::ColumnView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    setItemDelegate(new RowDelegate(this));
}

void ColumnView::setColumn(TextColumn *column)
{
    m_column = column;
    setModel(column);
    // Connected after the selection model's own slots, so these run once it has finished.
    connect(column, &TextColumn::rowsInserted, this, &ColumnView::showColumnSelection);
    connect(column, &TextColumn::rowsRemoved, this, &ColumnView::showColumnSelection);
    connect(column, &TextColumn::modelReset, this, &ColumnView::showColumnSelection);
    connect(column, &TextColumn::listIndexChanged, this, [this](int row) {
        showColumnSelection();
        if (row >= 0)
            scrollTo(model()->index(row, 0));
    });
    // Assistive technology selects rows without input events. Its choice is taken once the
    // change is complete; for every other change this finds the view agreeing already.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { QTimer::singleShot(0, this, &ColumnView::takeUserChoice); });
}

namespace {

// Mouse events reach the viewport, keys and focus the view itself.
bool mayChangeSelection(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::FocusIn:
        return true;
    default:
        return false;
    }
}

// Classic list boxes choose rows with the left button alone: the other buttons do nothing.
bool otherButton(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return static_cast<const QMouseEvent *>(event)->button() != Qt::LeftButton;
    case QEvent::MouseMove: {
        const Qt::MouseButtons buttons = static_cast<const QMouseEvent *>(event)->buttons();
        return buttons != Qt::NoButton && !(buttons & Qt::LeftButton);
    }
    default:
        return false;
    }
}

} // namespace

// Every user action goes to the stock view first; what it selected is then taken over by the
// column (which raises Click), and the view is set back to exactly what the column holds.
bool ColumnView::viewportEvent(QEvent *event)
{
    if (otherButton(event))
        return true;
    const bool handled = QListView::viewportEvent(event);
    if (mayChangeSelection(event->type()))
        takeUserChoice();
    return handled;
}

bool ColumnView::event(QEvent *event)
{
    const bool handled = QListView::event(event);
    if (mayChangeSelection(event->type()))
        takeUserChoice();
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        update();
        break;
    case QEvent::Paint:
        if (hasFocus()) { // on the frame's innermost ring, around the rows and the scroll bar
            QPainter painter(this);
            const int inset = std::max(frameWidth() - 1, 0);
            drawFocusFrame(painter, rect().adjusted(inset, inset, -inset, -inset));
        }
        break;
    default:
        break;
    }
    return handled;
}

QModelIndex ColumnView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // The stock view starts every move from no row at the first row; End goes to the last.
    if (action == MoveEnd && !currentIndex().isValid() && model()->rowCount() > 0)
        return model()->index(model()->rowCount() - 1, 0);
    return QListView::moveCursor(action, modifiers);
}

void ColumnView::takeUserChoice()
{
    if (!m_column)
        return;
    const QModelIndexList chosen = selectionModel()->selectedRows();
    if (!chosen.isEmpty())
        m_column->setListIndex(chosen.first().row());
    showColumnSelection();
}

void ColumnView::focusInEvent(QFocusEvent *event)
{
    m_enteringFocus = true;
    QListView::focusInEvent(event);
    m_enteringFocus = false;
}

void ColumnView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus() && !m_enteringFocus)
        QListView::currentChanged(current, previous);
    else // QListView's own adds only that news to its base's
        // NOLINTNEXTLINE(bugprone-parent-virtual-call)
        QAbstractItemView::currentChanged(current, previous);
}

void ColumnView::showColumnSelection()
{
    const int row = m_column->ListIndex();
    if (row < 0) {
        if (selectionModel()->hasSelection() || currentIndex().isValid())
            selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    if (selectionModel()->currentIndex() != index || !selectionModel()->isSelected(index))
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}
