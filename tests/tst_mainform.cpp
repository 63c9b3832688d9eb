// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "columnview.h"
#include "mainform.h"
#include "picturebox.h"

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
    void windowIsFixed();
    void colours_data();
    void colours();
    void textsAndFont();
    void focusStartsInDescriptionAndFollowsOrder();
    void focusIsShown_data();
    void focusIsShown();
    void canvasReportsInnerPixelsOnly_data();
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
    QCOMPARE(form->CanvasHeight(), 177);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(form->List1(i).ListCount(), 0);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(form->List2(i).ListCount(), 0);
    const Canvas &canvas = form->canvas();
    QCOMPARE(canvas.ScaleMode(), Canvas::ScaleUnit::Pixels);
    QCOMPARE(canvas.DrawWidth(), 5);
    QCOMPARE(canvas.DrawStyle(), Canvas::LineStyle::DashDotDot);
    QCOMPARE(canvas.image().size(), QSize(335, 177));
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

void TestMainForm::windowIsFixed()
{
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::CustomizeWindowHint); // or Qt adds the maximise box
    for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        form->setWindowState(state);
        QTRY_COMPARE(form->windowState(), Qt::WindowNoState);
        QCOMPARE(form->size(), QSize(461, 365));
    }
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
    // Black and white pixels take turns along the ring's top edge, whatever lies beneath.
    const auto dotted = [&] {
        const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int x = inset; x < shown.width() - inset - 1; ++x) {
            const QRgb pixel = shown.pixel(x, inset);
            if ((pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255)) ||
                pixel == shown.pixel(x + 1, inset))
                return false;
        }
        return true;
    };
    QVERIFY(!dotted());
    widget->setFocus(Qt::OtherFocusReason); // not by Tab: no crosshair on the canvas
    QVERIFY(dotted());
    const QImage image = form->canvas().image();
    const QImage inner = form->Picture1()->grab(form->Picture1()->contentsRect()).toImage();
    QCOMPARE(inner.convertToFormat(image.format()), image); // the mark stays off the drawing
}

void TestMainForm::canvasReportsInnerPixelsOnly_data()
{
    QTest::addColumn<QPoint>("at"); // in the picture box, frame included
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("inner top left") << QPoint(2, 2) << QPoint(0, 0);
    QTest::newRow("inner bottom right") << QPoint(336, 178) << QPoint(334, 176);
    QTest::newRow("middle") << QPoint(102, 52) << QPoint(100, 50);
    QTest::newRow("frame left") << QPoint(1, 50) << QPoint(-1, -1);
    QTest::newRow("frame bottom") << QPoint(50, 179) << QPoint(-1, -1);
    QTest::newRow("frame right") << QPoint(337, 20) << QPoint(-1, -1);
}

void TestMainForm::canvasReportsInnerPixelsOnly()
{
    QFETCH(QPoint, at);
    QFETCH(QPoint, pixel);
    QSignalSpy presses(form->Picture1(), &PictureBox::MouseDown);
    QTest::mousePress(form->Picture1(), Qt::RightButton, Qt::ShiftModifier, at);
    if (pixel.x() < 0) {
        QCOMPARE(presses.count(), 0);
        return;
    }
    QCOMPARE(presses.count(), 1);
    QCOMPARE(presses.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(presses.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    QCOMPARE(presses.at(0).at(2).toFloat(), float(pixel.x()));
    QCOMPARE(presses.at(0).at(3).toFloat(), float(pixel.y()));
}

void TestMainForm::canvasRepaintsFromItsImage()
{
    form->canvas().PSet(10, 20, qRgb(128, 128, 0));
    const QImage shown = form->Picture1()->grab().toImage();
    QCOMPARE(shown.pixel(2 + 10, 2 + 20), qRgb(128, 128, 0));
    QCOMPARE(shown.pixel(2 + 10, 2 + 23), qRgb(255, 255, 255));

    // The keyboard crosshair, at the centre (167, 88), inverts what it covers on the screen
    // and leaves the image as it was.
    form->canvas().PSet(163, 88, qRgb(128, 128, 0)); // under the left arm
    const QImage image = form->canvas().image();
    form->Picture1()->setFocus(Qt::TabFocusReason);
    const QImage crossed = form->Picture1()->grab().toImage();
    QCOMPARE(crossed.pixel(2 + 163, 2 + 88), qRgb(127, 127, 255));
    QCOMPARE(crossed.pixel(2 + 170, 2 + 88), qRgb(0, 0, 0));
    QCOMPARE(crossed.pixel(2 + 167, 2 + 88), qRgb(255, 255, 255)); // the pixel itself shows
    QCOMPARE(form->canvas().image(), image);
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
