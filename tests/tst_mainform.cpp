// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "columnview.h"
#include "mainform.h"
#include "picturebox.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// The share of a widget's pixels, as it shows in its window, that are exactly one colour.
double shareOf(QWidget *widget, QRgb colour)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    qsizetype same = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            same += image.pixel(x, y) == colour;
    return double(same) / double(image.width() * image.height());
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsCleared();
    void layoutInTwips_data();
    void layoutInTwips();
    void scriptFiguresFindTheControls();
    void windowIsFixed();
    void colours_data();
    void colours();
    void textsAndFont();
    void focusStartsInDescriptionAndFollowsOrder();
    void focusIsShown_data();
    void focusIsShown();
    void canvasReportsInnerPixelsOnly();
    void canvasRepaintsFromItsImage();
    void drawingRepaintsOnlyWhatChanged();

private:
    MainForm *form = nullptr;
};

void TestMainForm::init()
{
    form = new MainForm;
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
}

void TestMainForm::cleanup()
{
    delete form;
}

void TestMainForm::startsCleared()
{
    QCOMPARE(form->PointCount(), 0);
    const QSize inner = form->Picture1()->contentsRect().size(); // as the layout has it
    QCOMPARE(form->CanvasHeight(), inner.height());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(form->List1(i).ListCount(), 0);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(form->List2(i).ListCount(), 0);
    const Canvas &canvas = form->canvas();
    QCOMPARE(canvas.ScaleMode(), Canvas::ScaleUnit::Pixels);
    QCOMPARE(canvas.DrawWidth(), 5);
    QCOMPARE(canvas.DrawStyle(), Canvas::LineStyle::DashDotDot);
    QCOMPARE(canvas.image().size(), inner);
    QImage white(canvas.image().size(), canvas.image().format());
    white.fill(Qt::white);
    QCOMPARE(canvas.image(), white);
}

void TestMainForm::layoutInTwips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Label1(0)") << "Label1_0" << QRect(240, 0, 6495, 375);
    QTest::newRow("Label1(3)") << "Label1_3" << QRect(120, 480, 5055, 375);
    QTest::newRow("Label1(1)") << "Label1_1" << QRect(5280, 480, 735, 375);
    QTest::newRow("Label1(2)") << "Label1_2" << QRect(6120, 480, 735, 375);
    QTest::newRow("Picture1") << "Picture1" << QRect(120, 840, 5085, 2715);
    QTest::newRow("List1(0)") << "List1_0" << QRect(5280, 840, 735, 1200);
    QTest::newRow("List1(2)") << "List1_2" << QRect(6120, 840, 735, 1200);
    QTest::newRow("Command1(0)") << "Command1_0" << QRect(5280, 2160, 1095, 375);
    QTest::newRow("Command1(1)") << "Command1_1" << QRect(5760, 2640, 1095, 375);
    QTest::newRow("Command1(2)") << "Command1_2" << QRect(5280, 3120, 1095, 375);
    QTest::newRow("Text1(0)") << "Text1_0" << QRect(120, 3600, 6735, 1815);
}

void TestMainForm::layoutInTwips()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    constexpr int twipsPerPixel = 15;
    const auto *widget = form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    const QRect g = widget->geometry();
    QCOMPARE(QRect(g.x() * twipsPerPixel, g.y() * twipsPerPixel, g.width() * twipsPerPixel,
                   g.height() * twipsPerPixel),
             twips);
    QCOMPARE(form->size() * twipsPerPixel, QSize(6915, 5475));
}

// Scripts (the screenshot, the browser tests) press the window at the figures of one file.
void TestMainForm::scriptFiguresFindTheControls()
{
    QFile file(":/layout");
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QHash<QByteArray, QPoint> figures; // name=x or name="x y"
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() == 2) {
            const QList<QByteArray> numbers = QByteArray(parts[1]).replace('"', "").split(' ');
            figures.insert(parts[0], {numbers.first().toInt(), numbers.last().toInt()});
        }
    }
    const QRect inner = form->Picture1()->contentsRect().translated(form->Picture1()->pos());
    QCOMPARE(QRect(figures["canvas_left"].x(), figures["canvas_top"].x(),
                   figures["canvas_width"].x(), figures["canvas_height"].x()),
             inner);
    QTest::mouseClick(form->Picture1(), Qt::LeftButton); // a first row
    ColumnView *y = form->List1View(2);
    QCOMPARE(y->indexAt(y->viewport()->mapFrom(form, figures["y_list_first_row"])).row(), 0);
    QCOMPARE(form->childAt(figures["calculate"]), form->Command1(0));
    QCOMPARE(form->childAt(figures["clear"]), form->Command1(1));
    QCOMPARE(form->childAt(figures["delete"]), form->Command1(2));
}

void TestMainForm::windowIsFixed()
{
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::CustomizeWindowHint); // or Qt adds the maximise box
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QSize fixed = form->size();
    for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        form->setWindowState(state);
        QTRY_COMPARE(form->windowState(), Qt::WindowNoState);
        QCOMPARE(form->size(), fixed);
    }
    form->setWindowState(Qt::WindowMinimized); // and that one stays
    QTest::qWait(20);
    QCOMPARE(form->windowState(), Qt::WindowMinimized);
}

void TestMainForm::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<double>("share"); // the least share of the widget's pixels in it
    QTest::newRow("window, between controls") << "MainForm" << qRgb(128, 128, 255) << 0.1;
    QTest::newRow("title label") << "Label1_0" << qRgb(255, 192, 128) << 0.6;
    QTest::newRow("axis label") << "Label1_2" << qRgb(255, 192, 128) << 0.6;
    QTest::newRow("Calculate") << "Command1_0" << qRgb(128, 255, 128) << 0.6;
    QTest::newRow("Clear") << "Command1_1" << qRgb(255, 0, 0) << 0.6;
    QTest::newRow("Delete") << "Command1_2" << qRgb(192, 0, 192) << 0.6;
    QTest::newRow("canvas") << "Picture1" << qRgb(255, 255, 255) << 0.9;
}

void TestMainForm::colours()
{
    QFETCH(QString, name);
    QFETCH(QRgb, colour);
    QFETCH(double, share);
    auto *widget = name == "MainForm" ? form : form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QVERIFY2(shareOf(widget, colour) >= share,
             qPrintable(QString::number(shareOf(widget, colour))));
}

void TestMainForm::textsAndFont()
{
    QCOMPARE(form->windowTitle(), "Математика -  покриващ правоъгълник");
    QCOMPARE(form->Label1(0)->text(), "Минимален покриващ правоъгълник - координати на точки");
    QCOMPARE(form->Label1(3)->text(), "Посочете координати на точки");
    QCOMPARE(form->Label1(1)->text(), "Ос X");
    QCOMPARE(form->Label1(2)->text(), "Ос Y");
    QCOMPARE(form->Command1(0)->text(), "Изчисли");
    QCOMPARE(form->Command1(1)->text(), "Изчисти");
    QCOMPARE(form->Command1(2)->text(), "Изтрий");
    QVERIFY(!form->windowIcon().isNull());

    QCOMPARE(form->Text1()->toPlainText(),
             "Нека имаме съвкупност от точки в равнината с известни координати по абсциса и "
             "ордината. Търси се най-малкия правоъгълник, чийто страни са успоредни на "
             "координатните оси и покрива всички точки измежду дадените. Допустимо е част от "
             "точките да лежат върху страните и/или върховете на правоъгълника.\n"
             "Да се състави проект реализиращ междупредметни връзки между Геометрия и "
             "Информатика.\n"
             "Тема на проекта: Геометрия - минимален покриващ правоъгълник\n"
             "Потребителят да има възможност да въвежда координати точки чрез мишката. "
             "Координатите да се извеждат в списъчно поле.\n"
             "Чрез съвкупност от командни бутони:\n"
             "да се изтрива посочена точка;\n"
             "да се изтриват всички въведени точки;\n"
             "да се изчертава минимален покриващ правоъгълник по въведени координати на точки "
             "-  т.е. търсим най-малък правоъгълник, покриващ цялото множество от въведени "
             "точки.\n");
    // The text is longer than the box: it scrolls.
    QVERIFY(form->Text1()->verticalScrollBar()->isVisible());
    QVERIFY(form->Text1()->verticalScrollBar()->maximum() > 0);

    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->parentWidget() != form)
            continue;
        QCOMPARE(widget->font().pointSize(), 12);
        QCOMPARE(widget->font().weight(), QFont::Normal);
        const QString family = QFontInfo(widget->font()).family();
        QVERIFY2(family == "Liberation Serif" || family == "Times New Roman", qPrintable(family));
    }
}

void TestMainForm::focusStartsInDescriptionAndFollowsOrder()
{
    const QStringList order = {"Text1_0",    "List1_0", "Command1_0", "Command1_1",
                               "Command1_2", "List1_2", "Picture1",   "Text1_0"};
    for (const QString &name : order) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // A tab in the description box moves on rather than being typed.
    QCOMPARE(form->Text1()->toPlainText().count(u'\t'), 0);
}

void TestMainForm::focusIsShown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("inset"); // of the dotted ring from the control's edge
    QTest::newRow("canvas, on its frame") << "Picture1" << 1;
    QTest::newRow("X list") << "List1_0" << -1; // on the frame's innermost ring
    QTest::newRow("Calculate") << "Command1_0" << 4;
    QTest::newRow("Clear") << "Command1_1" << 4;
    QTest::newRow("Delete") << "Command1_2" << 4;
}

void TestMainForm::focusIsShown()
{
    QFETCH(QString, name);
    QFETCH(int, inset);
    auto *widget = form->findChild<QWidget *>(name);
    if (inset < 0)
        inset = static_cast<QFrame *>(widget)->frameWidth() - 1;
    // Black and white pixels take turns along each side of the ring, whatever lies beneath.
    const auto dotted = [&] {
        const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect ring = shown.rect().adjusted(inset, inset, -inset, -inset);
        const auto alternates = [&](QPoint from, QPoint step, int count) {
            for (int i = 0; i + 1 < count; ++i) {
                const QRgb pixel = shown.pixel(from + i * step);
                if ((pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255)) ||
                    pixel == shown.pixel(from + (i + 1) * step))
                    return false;
            }
            return true;
        };
        return alternates(ring.topLeft(), {1, 0}, ring.width()) &&
               alternates(ring.bottomLeft(), {1, 0}, ring.width()) &&
               alternates(ring.topLeft(), {0, 1}, ring.height()) &&
               alternates(ring.topRight(), {0, 1}, ring.height());
    };
    QVERIFY(!dotted());
    widget->setFocus(Qt::OtherFocusReason); // not by Tab: no crosshair on the canvas
    QVERIFY(dotted());
    const QImage image = form->canvas().image();
    const QImage inner = form->Picture1()->grab(form->Picture1()->contentsRect()).toImage();
    QCOMPARE(inner.convertToFormat(image.format()), image); // the mark stays off the drawing
}

void TestMainForm::canvasReportsInnerPixelsOnly()
{
    const QRect inner = form->Picture1()->contentsRect(); // in the picture box
    const QPoint outside(-1, -1);
    // Where the picture box is pressed, and the pixel it reports.
    const QList<std::pair<QPoint, QPoint>> presses = {
        {inner.topLeft(), {0, 0}},
        {inner.bottomRight(), inner.bottomRight() - inner.topLeft()},
        {inner.topLeft() + QPoint(100, 50), {100, 50}},
        {{inner.left() - 1, 50}, outside}, // on the frame
        {{50, inner.bottom() + 1}, outside},
        {{inner.right() + 1, 20}, outside},
    };
    for (const auto &[at, pixel] : presses) {
        QSignalSpy spy(form->Picture1(), &PictureBox::MouseDown);
        QTest::mouseClick(form->Picture1(), Qt::RightButton, Qt::ShiftModifier, at);
        if (pixel == outside) {
            QCOMPARE(spy.count(), 0);
            continue;
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(spy.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
        QCOMPARE(spy.at(0).at(2).toFloat(), float(pixel.x()));
        QCOMPARE(spy.at(0).at(3).toFloat(), float(pixel.y()));
    }
}

void TestMainForm::canvasRepaintsFromItsImage()
{
    PictureBox *picture = form->Picture1();
    const QRect area = picture->contentsRect();
    const QPoint o = area.topLeft();
    form->canvas().PSet(10, 20, qRgb(128, 128, 0));
    const QImage shown = picture->grab().toImage();
    QCOMPARE(shown.pixel(o + QPoint(10, 20)), qRgb(128, 128, 0));
    QCOMPARE(shown.pixel(o + QPoint(10, 23)), qRgb(255, 255, 255));

    // What the screen shows of the inner area: a grab would paint all of it anew.
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        const QImage screen = form->screen()->grabWindow(form->winId()).toImage();
        return screen.copy(area.translated(picture->pos())).convertToFormat(QImage::Format_RGB32);
    };
    // The keyboard crosshair, at the centre, inverts what it covers on the screen and leaves
    // the image as it was.
    const QPoint c = form->canvas().image().rect().center();
    form->canvas().PSet(float(c.x() - 4), float(c.y()), qRgb(128, 128, 0)); // under the left arm
    const QImage image = form->canvas().image();
    onScreen();
    picture->setFocus(Qt::TabFocusReason);
    const QImage crossed = onScreen();
    QCOMPARE(crossed.pixel(c - QPoint(4, 0)), qRgb(127, 127, 255));
    QCOMPARE(crossed.pixel(c + QPoint(3, 0)), qRgb(0, 0, 0));
    QCOMPARE(crossed.pixel(c), qRgb(255, 255, 255)); // the pixel itself shows
    QCOMPARE(form->canvas().image(), image);

    // Moved to the bottom right corner, the label turns to the crosshair's upper left, within
    // 20 pixels of the edges and whole: its fill has the black border below and to the right.
    // Above it, the screen shows the image again.
    QTest::keyClick(picture, Qt::Key_End);
    QTest::keyClick(picture, Qt::Key_PageDown);
    const QImage corner = onScreen();
    QRect label;
    for (int y = 0; y < corner.height(); ++y)
        for (int x = 0; x < corner.width(); ++x)
            if (corner.pixel(x, y) == qRgb(255, 255, 225))
                label |= QRect(x, y, 1, 1);
    QVERIFY(label.right() > area.width() - 20 && label.bottom() > area.height() - 20);
    QVERIFY(corner.rect().contains(label.bottomRight() + QPoint(1, 1)));
    QCOMPARE(corner.pixel(label.right() + 1, label.center().y()), qRgb(0, 0, 0));
    QCOMPARE(corner.pixel(label.center().x(), label.bottom() + 1), qRgb(0, 0, 0));
    const QRect above(0, 0, area.width(), label.top() - 1);
    QCOMPARE(corner.copy(above), image.convertToFormat(QImage::Format_RGB32).copy(above));
}

namespace {

// Records the paint events of every widget it watches.
struct PaintLog : QObject
{
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.append({watched->objectName(), static_cast<QPaintEvent *>(event)->region()});
        return false;
    }
    QList<std::pair<QString, QRegion>> painted;
};

} // namespace

void TestMainForm::drawingRepaintsOnlyWhatChanged()
{
    QCoreApplication::processEvents();
    PaintLog log;
    form->installEventFilter(&log);
    for (QWidget *child : form->findChildren<QWidget *>())
        child->installEventFilter(&log);

    form->canvas().PSet(100, 50); // width 5: pixels 98..102 of the inner area, at offset 2
    form->canvas().PSet(100, 50);
    form->canvas().setDrawWidth(1);
    form->canvas().Line(10, 170, 200, 170);
    QCoreApplication::processEvents();
    QCOMPARE(log.painted.size(), 1);
    QCOMPARE(log.painted.first().first, "Picture1");
    QCOMPARE(log.painted.first().second, QRegion(100, 50, 5, 5) + QRegion(12, 172, 191, 1));
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
