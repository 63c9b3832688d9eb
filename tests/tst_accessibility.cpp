// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"
#include "formdriver.h"

#include <QAccessible>
#include <QSignalSpy>
#include <algorithm>

namespace {

QList<std::pair<QAccessible::Event, QObject *>> raised; // what the window told
QStringList said; // the announcer's sentences, as its value changes carry them

void record(QAccessibleEvent *event)
{
    raised.append({event->type(), event->object()});
    if (event->type() == QAccessible::ValueChanged && qobject_cast<Announcer *>(event->object()))
        said.append(static_cast<QAccessibleValueChangeEvent *>(event)->value().toString());
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
    void pointRowsReadAsCoordinates();
    void pressActionRunsCommand();
    void rowSelectedByAssistiveTechnologyReachesColumns();
    void screenReaderReadsCanvas();
    void deletingChosenRowMakesNoRowCurrent();
    void actionsRaiseEventsOnce();
};

void TestAccessibility::controlsHaveNamesAndRoles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("window") << "MainForm" << QAccessible::Window
                            << "Математика -  покриващ правоъгълник";
    QTest::newRow("canvas") << "Picture1" << QAccessible::Canvas
                            << "Поле за рисуване: натиснете, за да въведете точка";
    QTest::newRow("X list") << "List1_0" << QAccessible::List << "Абсциси на точките (Ос X)";
    QTest::newRow("Y list") << "List1_2" << QAccessible::List << "Ординати на точките (Ос Y)";
    QTest::newRow("Calculate") << "Command1_0" << QAccessible::Button
                               << "Изчисли минималния покриващ правоъгълник";
    QTest::newRow("Clear") << "Command1_1" << QAccessible::Button << "Изчисти всички точки";
    QTest::newRow("Delete") << "Command1_2" << QAccessible::Button << "Изтрий избраната точка";
    QTest::newRow("description") << "Text1_0" << QAccessible::EditableText << "Условие на задачата";
    QTest::newRow("title") << "Label1_0" << QAccessible::StaticText
                           << "Минимален покриващ правоъгълник - координати на точки";
}

void TestAccessibility::controlsHaveNamesAndRoles()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, accessibleName);
    FormDriver d;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(
        name == "MainForm" ? &d.form : d.form.findChild<QWidget *>(name));
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), accessibleName);
}

void TestAccessibility::pointRowsReadAsCoordinates()
{
    FormDriver d;
    d.press(70, 80);
    d.press(250, 30);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(d.form.List1View(2));
    QCOMPARE(list->childCount(), 2);
    QCOMPARE(list->child(1)->text(QAccessible::Name), "Точка 2: X 250, Y 147");
}

void TestAccessibility::pressActionRunsCommand()
{
    FormDriver d;
    d.press(70, 80);
    d.clickRow(d.form.List1View(0), 0);
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(d.form.Command1(2));
    QVERIFY(button->actionInterface());
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(d.form.PointCount(), 0); // the press is animated, then clicks
}

void TestAccessibility::rowSelectedByAssistiveTechnologyReachesColumns()
{
    FormDriver d;
    d.press(70, 80);
    d.press(250, 30);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(d.form.List1View(2));
    QVERIFY(list->tableInterface());
    QVERIFY(list->tableInterface()->selectRow(1));
    QTRY_COMPARE(d.form.List1(0).ListIndex(), 1);
    QCOMPARE(d.form.List1(1).ListIndex(), 1);
    QCOMPARE(d.pixel(250, 30), qRgb(128, 128, 0));
}

void TestAccessibility::screenReaderReadsCanvas()
{
    FormDriver d;
    PictureBox *picture = d.form.Picture1();
    QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(picture);
    const auto crosshair = [&] { return picture->crosshairText(); };
    const auto description = [&] { return canvas->text(QAccessible::Description); };
    QCOMPARE(description(), "няма точки");
    QTest::keyClick(d.form.Text1(), Qt::Key_Tab, Qt::ShiftModifier); // to the canvas
    const QRect inner = picture->contentsRect();
    const QPoint c = QRect(QPoint(), inner.size()).center();
    QCOMPARE(crosshair(), QString("X %1, Y %2").arg(c.x()).arg(inner.height() - c.y()));
    QTest::keyClick(picture, Qt::Key_Left);
    const QString moved = QString("X %1, Y %2").arg(c.x() - 1).arg(inner.height() - c.y());
    QCOMPARE(crosshair(), moved);

    // Another window in front keeps the crosshair; Tab away hides it, and it comes back
    // where it was.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(crosshair(), moved);
    d.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d.form));
    QCOMPARE(crosshair(), moved);
    QTest::keyClick(picture, Qt::Key_Tab);
    QCOMPARE(crosshair(), "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(crosshair(), moved);

    d.press(0, 10);
    QCOMPARE(crosshair(), "");               // a press hides the crosshair
    QTest::keyClick(picture, Qt::Key_Space); // shows it again, and enters nothing yet
    QCOMPARE(crosshair(), moved);
    QCOMPARE(d.form.PointCount(), 1);
    for (int i = 1; i < 22; ++i)
        d.press(5 * i, 10);
    QCOMPARE(description(), "22 точки");
    d.press(110, 10);
    QCOMPARE(description(), "23 точки са въведени; няма място за още");
}

// Deleting the chosen row while its list had the focus made the next row current for a moment,
// and screen readers announced it as chosen.
void TestAccessibility::deletingChosenRowMakesNoRowCurrent()
{
    FormDriver d;
    for (int i = 0; i < 6; ++i)
        d.press(5 * i, 10);
    d.form.List1View(2)->setFocus();
    d.clickRow(d.form.List1View(2), 4);
    QSignalSpy current(d.form.List1View(2)->selectionModel(), &QItemSelectionModel::currentChanged);
    d.form.DeleteSelectedPoint();
    for (const QList<QVariant> &change : std::as_const(current))
        QVERIFY(!change.at(0).toModelIndex().isValid());
    QVERIFY(!d.form.List1View(2)->currentIndex().isValid());
}

// What each action tells assistive technology, where a test can listen (not offscreen): the
// drawing area's description changes once, the announcer says its whole sentence once (keys
// less than Quiet apart as one, the last), the drawing area raises no value change (AT-SPI has
// no value of it to carry), never a list without the focus takes it, and a list entered with
// no point chosen has the focus itself (it once told first that its unchosen first row had it).
void TestAccessibility::actionsRaiseEventsOnce()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("nothing listens to accessibility offscreen");
    FormDriver d;
    // The platform finds out whether anybody listens (on Linux, an accessibility bus).
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000))
        QSKIP("nothing listens to accessibility here");
    QAccessible::installUpdateHandler(record);
    const QList<std::pair<QAccessible::Event, QObject *>> counted = {
        {QAccessible::DescriptionChanged, d.form.Picture1()},
        {QAccessible::ObjectShow, d.form.findChild<Announcer *>()},
        {QAccessible::ValueChanged, d.form.Picture1()},
        {QAccessible::Focus, d.form.List1View(0)},
        {QAccessible::Focus, d.form.List1View(2)}};
    // How often each of those is raised by what the pupil does, and what is said.
    using Told = std::pair<QList<int>, QStringList>;
    const auto told = [&](auto &&action) {
        raised.clear();
        said.clear();
        action();
        QTest::qWait(Announcer::Quiet + 50);
        QList<int> counts;
        for (const auto &event : counted)
            counts.append(int(std::count(raised.cbegin(), raised.cend(), event)));
        return Told{counts, said};
    };
    const auto keys = [](Qt::Key key, int times = 1, int apart = 0) {
        return [=] {
            for (int i = 0; i < times; ++i) {
                QTest::keyClick(QApplication::focusWidget(), key);
                QTest::qWait(apart);
            }
        };
    };
    const QSize area = d.form.Picture1()->contentsRect().size();
    const int x = (area.width() - 1) / 2, y = area.height() - (area.height() - 1) / 2;
    const int top = area.height() - 10;
    const auto at = [](int x, int y) { return QString("X %1, Y %2").arg(x).arg(y); };
    // The description already says where the crosshair is.
    QCOMPARE(told([&] { QTest::keyClick(d.form.Text1(), Qt::Key_Tab, Qt::ShiftModifier); }),
             Told({0, 0, 0, 0, 0}, {}));
    QCOMPARE(told(keys(Qt::Key_Right, 3, 30)), Told({0, 1, 0, 0, 0}, {at(x + 3, y)}));
    QCOMPARE(told(keys(Qt::Key_Left, 2, 300)), Told({0, 2, 0, 0, 0}, {at(x + 2, y), at(x + 1, y)}));
    QCOMPARE(told(keys(Qt::Key_Space)),
             Told({1, 1, 0, 0, 0}, {"Точка 1: " + at(x + 1, y) + "; 1 точка"}));
    QCOMPARE(told([&] {
                 d.press(10, 10); // hides the crosshair
                 d.press(20, 10);
                 d.form.List1View(2)->setFocus();
             }),
             Told({2, 1, 0, 0, 1}, {"Точка 3: " + at(20, top) + "; 3 точки"})); // said as one
    QCOMPARE(told(keys(Qt::Key_Down)), Told({1, 0, 0, 0, 1}, {}));
    const std::pair<int, QString> buttons[] = {
        {0, QString("правоъгълник: X от 10 до %1, Y от %2 до %3").arg(x + 1).arg(y).arg(top)},
        {2, "Изтрита е Точка 1: " + at(x + 1, y) + "; остават: 2 точки"},
        {1, "Точките и условието на задачата са изтрити"}};
    for (const auto &[button, sentence] : buttons)
        QCOMPARE(told([&, b = button] { d.clickButton(b); }), Told({1, 1, 0, 0, 0}, {sentence}));
    QAccessible::installUpdateHandler(nullptr);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
