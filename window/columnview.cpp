#include "columnview.h"

#include "textcolumn.h"

ColumnView::ColumnView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
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
}

// Every user action goes to the stock view first; what it selected is then taken over by the
// column (which raises Click), and the view is set back to exactly what the column holds.
void ColumnView::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    takeUserChoice();
}

void ColumnView::mouseMoveEvent(QMouseEvent *event)
{
    QListView::mouseMoveEvent(event);
    takeUserChoice();
}

void ColumnView::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    takeUserChoice();
}

void ColumnView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    takeUserChoice();
}

void ColumnView::keyPressEvent(QKeyEvent *event)
{
    QListView::keyPressEvent(event);
    takeUserChoice();
}

void ColumnView::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    takeUserChoice();
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

void ColumnView::showColumnSelection()
{
    const int row = m_column->ListIndex();
    if (row < 0) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    if (selectionModel()->currentIndex() != index || !selectionModel()->isSelected(index))
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}
