// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of each event handler at 1, 8 and 23 points, the canvas repaint it causes included.
#include "mainform.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

MainForm *form = nullptr;

// Delivers the pending update requests and zero timers (the lists lay out their rows on one),
// so that the repaint and relayout a handler causes happen here and now.
void repaint()
{
    QCoreApplication::processEvents();
}

QPointF pointNumber(int i)
{
    return {10.0 + 13 * i, 10.0 + 7 * i};
}

void press(int i)
{
    const QPointF p = pointNumber(i);
    form->Picture1_MouseDown(Qt::LeftButton, {}, float(p.x()), float(p.y()));
}

// From the start-up state, enters n points.
void enter(int n)
{
    form->ClearAll();
    for (int i = 0; i < n; ++i)
        press(i);
    repaint();
}

// The same, untimed, inside a benchmark loop.
void prepare(benchmark::State &state, int n, int selectedRow = -1)
{
    state.PauseTiming();
    enter(n);
    if (selectedRow >= 0) {
        form->List1(2).setListIndex(selectedRow);
        repaint();
    }
    state.ResumeTiming();
}

void MouseDown(benchmark::State &state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        prepare(state, n - 1);
        press(n - 1);
        repaint();
    }
}

void ListClick(benchmark::State &state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        prepare(state, n);
        form->List1(2).setListIndex(n - 1); // as a user's choice in the Y list
        repaint();
    }
}

void DrawCoveringRectangle(benchmark::State &state)
{
    enter(int(state.range(0)));
    for (auto _ : state) {
        form->DrawCoveringRectangle();
        repaint();
    }
}

void DeleteSelectedPoint(benchmark::State &state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        prepare(state, n, n / 2);
        form->DeleteSelectedPoint();
        repaint();
    }
}

void ClearAll(benchmark::State &state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        prepare(state, n);
        form->ClearAll();
        repaint();
    }
}

} // namespace

BENCHMARK(MouseDown)->Arg(1)->Arg(8)->Arg(23)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListClick)->Arg(1)->Arg(8)->Arg(23)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawCoveringRectangle)->Arg(1)->Arg(8)->Arg(23)->Unit(benchmark::kMicrosecond);
BENCHMARK(DeleteSelectedPoint)->Arg(1)->Arg(8)->Arg(23)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClearAll)->Arg(1)->Arg(8)->Arg(23)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    MainForm window;
    form = &window;
    window.show();
    QCoreApplication::processEvents();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
