// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays random sessions against the real window through input events and checks the window,
// after every event, against a small reference model of what it should hold.
// RANDOM_SESSION_SEED and RANDOM_SESSION_EVENTS override the seed and the length.

#include "colours.h"
#include "columnview.h"
#include "mainform.h"
#include "picturebox.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>

namespace {

// One user action, in terms that do not depend on the state it meets.
struct Event
{
    enum Kind { Press, PressOutside, ClickRow, KeyRow, Button, ButtonKey } kind;
    int a = 0; // Press: x in the picture box; PressOutside: x; ClickRow, KeyRow: list 0 or 2
    int b = 0; // Press, PressOutside: y; ClickRow: y in the viewport; KeyRow: key
    int c = 0; // Press, PressOutside: mouse button
};

constexpr Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                                       Qt::BackButton, Qt::ForwardButton};
constexpr Qt::Key listKeys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};

QString describe(const Event &e)
{
    switch (e.kind) {
    case Event::Press:
        return QString("press button %1 at (%2, %3) of the picture box").arg(e.c).arg(e.a).arg(e.b);
    case Event::PressOutside:
        return QString("press button %1 at (%2, %3) of the window").arg(e.c).arg(e.a).arg(e.b);
    case Event::ClickRow:
        return QString("click list %1 at y %2").arg(e.a).arg(e.b);
    case Event::KeyRow:
        return QString("key %1 in list %2").arg(QTest::toString(listKeys[e.b])).arg(e.a);
    case Event::Button:
        return QString("click button %1").arg(e.a);
    case Event::ButtonKey:
        return QString("space on button %1").arg(e.a);
    }
    return {};
}

// A press and release at exactly p (QTest takes the point (0, 0) for "the widget's centre").
void click(QWidget *widget, Qt::MouseButton button, QPoint p)
{
    const QPointF global = widget->mapToGlobal(QPointF(p));
    QMouseEvent press(QEvent::MouseButtonPress, p, global, button, button, {});
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, global, button, {}, {});
    QApplication::sendEvent(widget, &release);
}

// What the window should hold, kept without looking at the window's own state.
struct Model
{
    enum class Mark { None, Shown, Maybe }; // the selected point's dark yellow centre

    QList<QPoint> points; // in canvas pixels, in order of entry
    int selected = -1;
    bool describes = true;    // the task description is still in its box
    bool yellowDrawn = false; // some centre may be dark yellow
    Mark mark = Mark::None;
    int penWidth = 5;
    int refusedPresses = 0, selections = 0, deletions = 0; // how much ground a session covered

    void press(QPoint pixel)
    {
        if (points.size() >= MainForm::MaxPoints) {
            ++refusedPresses;
            return;
        }
        points.append(pixel);
        penWidth = 5;
        if (selected >= 0 && covers(pixel, points.at(selected), penWidth))
            mark = Mark::Maybe;
    }
    void select(int row)
    {
        if (row < 0 || row >= points.size() || row == selected)
            return;
        selected = row;
        ++selections;
        mark = Mark::Shown;
        yellowDrawn = true;
    }
    void calculate()
    {
        penWidth = 1;
        if (selected < 0)
            return;
        int left = points.first().x(), right = left, top = points.first().y(), bottom = top;
        for (const QPoint &p : std::as_const(points)) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        const QPoint s = points.at(selected);
        if (s.x() == left || s.x() == right || s.y() == top || s.y() == bottom)
            mark = Mark::Maybe; // the outline may pass over the mark
    }
    void clear()
    {
        points.clear();
        selected = -1;
        describes = false;
        yellowDrawn = false;
        mark = Mark::None;
        penWidth = 5;
    }
    void remove()
    {
        if (selected < 0)
            return;
        points.removeAt(selected);
        ++deletions;
        selected = -1;
        yellowDrawn = false; // every remaining point is drawn black again
        mark = Mark::None;
    }
    static bool covers(QPoint dot, QPoint pixel, int width)
    {
        const QPoint d = dot - pixel;
        return 4 * (d.x() * d.x() + d.y() * d.y()) <= width * width;
    }
};

// A fresh shown window, the model beside it, and the means to play an event on both.
class Session
{
public:
    Session() : description(form.Text1()->toPlainText())
    {
        form.show();
        QCoreApplication::processEvents();
    }

    void play(const Event &e)
    {
        switch (e.kind) {
        case Event::Press: {
            click(form.Picture1(), buttons[e.c], QPoint(e.a, e.b));
            const QRect inner = form.Picture1()->contentsRect();
            const QPoint pixel = QPoint(e.a, e.b) - inner.topLeft();
            if (QRect(QPoint(), inner.size()).contains(pixel))
                model.press(pixel);
            break;
        }
        case Event::PressOutside:
            click(&form, buttons[e.c], QPoint(e.a, e.b));
            break;
        case Event::ClickRow: {
            ColumnView *view = list(e.a);
            const QPoint at(view->viewport()->width() / 2, e.b);
            const int row = view->indexAt(at).row();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
            model.select(row);
            break;
        }
        case Event::KeyRow:
            pressKey(list(e.a), listKeys[e.b]);
            break;
        case Event::Button:
        case Event::ButtonKey: {
            QWidget *button = form.findChild<QWidget *>(QString("Command1_%1").arg(e.a));
            if (e.kind == Event::Button)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(button, Qt::Key_Space);
            if (e.a == 0)
                model.calculate();
            else if (e.a == 1)
                model.clear();
            else
                model.remove();
            break;
        }
        }
        QCoreApplication::processEvents();
    }

    // The first way the window differs from the model, or an empty text.
    QString mismatch() const
    {
        const qsizetype n = model.points.size();
        if (form.PointCount() != n)
            return QString("PointCount %1, expected %2").arg(form.PointCount()).arg(n);
        const int height = form.Picture1()->contentsRect().height();
        for (int c = 0; c < 3; ++c) {
            const TextColumn &column = form.List1(c);
            if (column.ListCount() != n)
                return QString("List1(%1) has %2 rows, expected %3")
                    .arg(c)
                    .arg(column.ListCount())
                    .arg(n);
            if (column.ListIndex() != model.selected)
                return QString("List1(%1) selects %2, expected %3")
                    .arg(c)
                    .arg(column.ListIndex())
                    .arg(model.selected);
            for (int r = 0; r < n; ++r) {
                const QPoint p = model.points.at(r);
                const int expected = c == 0 ? p.x() : c == 1 ? p.y() : height - p.y();
                if (column.List(r) != QString::number(expected))
                    return QString("List1(%1) row %2 is '%3', expected %4")
                        .arg(c)
                        .arg(r)
                        .arg(column.List(r))
                        .arg(expected);
            }
        }
        if (form.Text1()->toPlainText() != (model.describes ? description : QString()))
            return "the description box is not as expected";
        if (form.canvas().DrawWidth() != model.penWidth)
            return QString("pen width %1, expected %2")
                .arg(form.canvas().DrawWidth())
                .arg(model.penWidth);
        for (int r = 0; r < n; ++r) {
            const QRgb centre = form.canvas().image().pixel(model.points.at(r));
            const bool yellow = centre == QBColor(6);
            if (r == model.selected && model.mark == Model::Mark::Shown && !yellow)
                return QString("the selected point %1 is not dark yellow").arg(r);
            if (centre != QBColor(0) && !(yellow && model.yellowDrawn))
                return QString("point %1 has centre colour %2").arg(r).arg(centre, 8, 16);
        }
        return {};
    }

private:
    ColumnView *list(int index) const { return index == 0 ? form.List1View(0) : form.List1View(2); }

    void pressKey(ColumnView *view, Qt::Key key)
    {
        const int before = model.selected;
        const int last = int(model.points.size()) - 1;
        QTest::keyClick(view, key);
        if (last < 0)
            return;
        switch (key) {
        case Qt::Key_Up:
            model.select(before < 0 ? 0 : std::max(before - 1, 0));
            break;
        case Qt::Key_Down:
            model.select(before < 0 ? 0 : std::min(before + 1, last));
            break;
        case Qt::Key_Home:
            model.select(0);
            break;
        case Qt::Key_End:
            model.select(last);
            break;
        default: {
            // A page is as many rows as the list shows: the model takes the row the list
            // went to, provided it moved the right way and stayed within the points.
            const int row = form.List1(0).ListIndex();
            const bool down = key == Qt::Key_PageDown;
            if (row >= 0 && row <= last && (before < 0 || (down ? row >= before : row <= before)))
                model.select(row);
            break;
        }
        }
    }

public:
    MainForm form;
    Model model;
    const QString description;
};

// Random events, with runs of one kind now and then (30 presses in a row, say).
class EventSource
{
public:
    // Presses land across a picture box of the given size and frame.
    EventSource(quint32 seed, const QFrame &box)
        : random(seed), box(box.size()), frame(box.frameWidth())
    {
    }

    Event next()
    {
        if (runLeft == 0 && random.bounded(40) == 0) {
            runLeft = 30;
            runKind = Event::Kind(random.bounded(6));
        }
        const Event::Kind kind = runLeft > 0 ? (--runLeft, runKind) : pickKind();
        Event e{kind};
        switch (kind) {
        case Event::Press:
            e.a = coordinate(box.width());
            e.b = coordinate(box.height());
            e.c = int(random.bounded(5));
            break;
        case Event::PressOutside: {
            static const QPoint outside[] = {{3, 30}, {200, 10}, {456, 200}, {350, 300}, {4, 238}};
            const QPoint p = outside[random.bounded(5)];
            e.a = p.x();
            e.b = p.y();
            e.c = int(random.bounded(5));
            break;
        }
        case Event::ClickRow:
            e.a = random.bounded(2) * 2;
            e.b = int(random.bounded(80));
            break;
        case Event::KeyRow:
            e.a = random.bounded(2) * 2;
            e.b = int(random.bounded(6));
            break;
        case Event::Button:
        case Event::ButtonKey:
            e.a = int(random.bounded(3));
            break;
        }
        return e;
    }

private:
    Event::Kind pickKind()
    {
        // Mostly presses and selections, so that sessions fill up and empty again.
        const int roll = int(random.bounded(100));
        if (roll < 40)
            return Event::Press;
        if (roll < 45)
            return Event::PressOutside;
        if (roll < 62)
            return Event::ClickRow;
        if (roll < 80)
            return Event::KeyRow;
        if (roll < 93)
            return Event::Button;
        return Event::ButtonKey;
    }
    // Anywhere across the picture box, its frame included, with its edges often.
    int coordinate(int size)
    {
        if (random.bounded(5) == 0) {
            const int edges[] = {
                0, 1, frame, frame + 1, size - frame - 2, size - frame - 1, size - 2, size - 1};
            return edges[random.bounded(8)];
        }
        return int(random.bounded(size));
    }

    QRandomGenerator random;
    QSize box;
    int frame;
    int runLeft = 0;
    Event::Kind runKind = Event::Press;
};

// Plays events on a fresh window; the index of the first that leaves a mismatch, or -1.
int firstFailure(const QList<Event> &events, QString *why)
{
    Session session;
    for (int i = 0; i < events.size(); ++i) {
        session.play(events.at(i));
        *why = session.mismatch();
        if (!why->isEmpty())
            return i;
    }
    return -1;
}

// The failing sequence cut down, chunk by chunk, to what still fails.
QList<Event> shrink(QList<Event> events)
{
    QString why;
    for (qsizetype chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype start = 0; start + chunk <= events.size();) {
            QList<Event> fewer = events;
            fewer.remove(start, chunk);
            const int failed = firstFailure(fewer, &why);
            if (failed >= 0)
                events = fewer.mid(0, failed + 1);
            else
                start += chunk;
        }
    }
    return events;
}

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class TestRandomSession : public QObject
{
    Q_OBJECT
private slots:
    void windowFollowsModel();
};

void TestRandomSession::windowFollowsModel()
{
    const auto seed = quint32(fromEnvironment("RANDOM_SESSION_SEED", 20261208));
    const int count = fromEnvironment("RANDOM_SESSION_EVENTS", 20000);
    QList<Event> events;
    Session session;
    EventSource source(seed, *session.form.Picture1());
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        events.append(source.next());
        session.play(events.last());
        const QString why = session.mismatch();
        if (why.isEmpty())
            continue;
        QString report =
            QString("seed %1, event %2: %3\nshortest sequence found:").arg(seed).arg(i).arg(why);
        for (const Event &e : shrink(events))
            report += "\n  " + describe(e);
        QFAIL(qPrintable(report));
    }
    qInfo("%d events, seed %u, %lld ms: %d selections, %d deletions, %d presses refused at 23",
          count, seed, timer.elapsed(), session.model.selections, session.model.deletions,
          session.model.refusedPresses);
}

QTEST_MAIN(TestRandomSession)
#include "tst_randomsession.moc"
