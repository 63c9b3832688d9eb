// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's only window. The points live as rows of the List1 columns (X, screen Y,
// plotted Y); List2 holds the padded, sorted copies the covering rectangle is found from.
// The canvas pen is shared: what one handler leaves set is how the next one draws.

#include "canvas.h"
#include "pointsdescription.h"
#include "textcolumn.h"

#include <QWidget>
#include <array>
#include <memory>

class Announcer;
class ColumnView;
class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
namespace Ui {
class MainForm;
}

class MainForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxPoints = 23;

    explicit MainForm(QWidget *parent = nullptr);
    ~MainForm() override;

    TextColumn &List1(int index) { return *m_list1.at(std::size_t(index)); }
    const TextColumn &List1(int index) const { return *m_list1.at(std::size_t(index)); }
    TextColumn &List2(int index) { return *m_list2.at(std::size_t(index)); }
    Canvas &canvas();
    const Canvas &canvas() const;
    qint16 PointCount() const { return m_pointCount; }
    qint16 CanvasHeight() const { return m_canvasHeight; }

    void ClearAll();

    // Enters a point where a mouse button went down on the canvas, while fewer than
    // MaxPoints are entered. x and y are canvas pixels.
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    // The selection of List1(index) changed: selects the same row in all three List1 columns
    // and marks that point dark yellow, every other point black. Each write that changes
    // another column's selection runs this again, nested, for that column.
    void List1_Click(int index);
    // Draws the dash-dot outline of the smallest axis-parallel rectangle covering the points.
    void DrawCoveringRectangle();
    // The buttons: 0 Calculate, 1 Clear (also empties the description), 2 Delete.
    void Command1_Click(int index);
    // Removes the selected point: its dot is painted white, the others black again, with the
    // current pen width. Does nothing when no row is selected.
    void DeleteSelectedPoint();

    // The controls, by their names in the form, for tests and benchmarks. List1View shows
    // List1(0) or List1(2); Label1 takes 0 to 3.
    PictureBox *Picture1() const;
    ColumnView *List1View(int index) const;
    QPushButton *Command1(int index) const;
    QLabel *Label1(int index) const;
    QPlainTextEdit *Text1() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    // The points changed: a drawn rectangle no longer covers what the lists hold.
    void pointsChanged();
    // "Точка 2: X 250, Y 147", as the lists show that row.
    QString pointText(int row) const;

    // List1(1), List2(0) and List2(1) are never shown.
    TextColumn m_x{TextColumn::Order::Unsorted, 0};
    TextColumn m_screenY{TextColumn::Order::Unsorted, 1};
    TextColumn m_plottedY{TextColumn::Order::Unsorted, 2};
    TextColumn m_sortedX{TextColumn::Order::Sorted, 0};
    TextColumn m_sortedY{TextColumn::Order::Sorted, 1};
    const std::array<TextColumn *, 3> m_list1{&m_x, &m_screenY, &m_plottedY};
    const std::array<TextColumn *, 2> m_list2{&m_sortedX, &m_sortedY};

    const std::unique_ptr<Ui::MainForm> ui;
    Announcer *const m_announcer;
    qint16 m_pointCount = 0;
    int m_clickDepth = 0; // how deep List1_Click runs nested in itself
    qint16 m_canvasHeight = 0;
    // The last rectangle Calculate drew, for assistive technology; gone with Clear.
    std::optional<DrawnRectangle> m_rectangle;
};
