// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Drives a shown MainForm as a user would and reads back what it shows.

#include "columnview.h"
#include "mainform.h"
#include "picturebox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

struct FormDriver
{
    FormDriver()
    {
        form.show();
        form.activateWindow(); // no window manager (Xvfb) does it for us
        // A check here would end only the constructor, and the test would go on without the
        // window; nothing after this can mean anything, so the whole test stops.
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("the main window did not become active");
    }

    // A press at pixel (x, y) of the canvas's inner area.
    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint inner = form.Picture1()->contentsRect().topLeft();
        QTest::mouseClick(form.Picture1(), button, {}, inner + QPoint(x, y));
    }
    void clickRow(ColumnView *view, int row)
    {
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void clickButton(int index) { QTest::mouseClick(form.Command1(index), Qt::LeftButton); }
    QRgb pixel(int x, int y) const { return form.canvas().image().pixel(x, y); }
    QStringList rows(int list1) { return rowsOf(form.List1(list1)); }
    static QStringList rowsOf(const TextColumn &column)
    {
        QStringList rows;
        for (int r = 0; r < column.ListCount(); ++r)
            rows.append(column.List(r));
        return rows;
    }

    MainForm form;
};
