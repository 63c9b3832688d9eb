// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainform.h"

#include "accessibility.h"
#include "announcer.h"
#include "colours.h"
#include "coveringrectangle.h"
#include "rowtext.h"
#include "ui_mainform.h"

#include <QImageReader>
#include <QTimer>

namespace {

#ifdef Q_OS_WASM
constexpr bool InWebPage = true;
#else
constexpr bool InWebPage = false;
#endif

} // namespace

MainForm::MainForm(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::MainForm>()), m_announcer(new Announcer(this))
{
    installAccessibility();
    ui->setupUi(this);
    // A fixed window: no maximise box (the size is fixed in the form), and on Windows the
    // single-line frame of a fixed-size window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // In a web page the window fills its screen, the page's element that is its size, wherever
    // the page lays that out; the page's title is the caption.
    if constexpr (InWebPage)
        setWindowState(Qt::WindowFullScreen);
    // With the format fixed, the image reader does not load every image plugin to guess it.
    QImageReader icon(QStringLiteral(":/icons/covering-rectangle.png"), "png");
    icon.setAutoDetectImageFormat(false);
    setWindowIcon(QPixmap::fromImage(icon.read()));
    ui->List1_0->setColumn(&List1(0));
    ui->List1_2->setColumn(&List1(2));
    for (TextColumn *shown : {&List1(0), &List1(2)})
        shown->setAccessibleRowText([this](int row) { return pointText(row); });
    ui->Picture1->setDescription(
        [this] { return describePoints(List1(0), List1(2), MaxPoints, m_rectangle); });
    // The layout is fixed, so the canvas image takes its final size here, once.
    canvas().resize(ui->Picture1->contentsRect().size());
    ui->Text1_0->setFocus();

    connect(ui->Picture1, &PictureBox::MouseDown, this, &MainForm::Picture1_MouseDown);
    connect(ui->Picture1, &PictureBox::crosshairMoved, this,
            [this] { m_announcer->announce([this] { return ui->Picture1->crosshairText(); }); });
    for (TextColumn *column : m_list1)
        connect(column, &TextColumn::Click, this, &MainForm::List1_Click);
    for (int i = 0; i < 3; ++i)
        connect(Command1(i), &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

    Form_Load();
}

MainForm::~MainForm() = default;

Canvas &MainForm::canvas()
{
    return ui->Picture1->canvas();
}

const Canvas &MainForm::canvas() const
{
    return ui->Picture1->canvas();
}

PictureBox *MainForm::Picture1() const
{
    return ui->Picture1;
}

ColumnView *MainForm::List1View(int index) const
{
    Q_ASSERT(index == 0 || index == 2);
    return index == 0 ? ui->List1_0 : ui->List1_2;
}

QPushButton *MainForm::Command1(int index) const
{
    return std::array<QPushButton *, 3>{ui->Command1_0, ui->Command1_1, ui->Command1_2}.at(
        std::size_t(index));
}

QLabel *MainForm::Label1(int index) const
{
    return std::array<QLabel *, 4>{ui->Label1_0, ui->Label1_1, ui->Label1_2, ui->Label1_3}.at(
        std::size_t(index));
}

QPlainTextEdit *MainForm::Text1() const
{
    return ui->Text1_0;
}

void MainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Some window managers maximise a window of fixed size all the same; it goes back.
    constexpr Qt::WindowStates resized = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (!InWebPage && event->type() == QEvent::WindowStateChange && (windowState() & resized))
        QTimer::singleShot(0, this, [this, resized] { setWindowState(windowState() & ~resized); });
}

void MainForm::Form_Load()
{
    canvas().setScaleMode(Canvas::ScaleUnit::Pixels);
    m_canvasHeight = toInt16(canvas().ScaleHeight());
    // Drawings persist by design: the canvas always draws into its backing image.
    ClearAll();
}

void MainForm::ClearAll()
{
    m_pointCount = 0;
    canvas().setDrawStyle(Canvas::LineStyle::Solid);
    canvas().setBackColor(RGB(255, 255, 255));
    canvas().Cls();
    canvas().setDrawStyle(Canvas::LineStyle::DashDotDot);
    canvas().setDrawWidth(5);
    for (TextColumn *column : {&List1(0), &List1(1), &List1(2), &List2(0), &List2(1)})
        column->Clear();
    m_rectangle.reset();
    ui->Picture1->descriptionChanged();
}

QString MainForm::pointText(int row) const
{
    return QStringLiteral("Точка %1: X %2, Y %3")
        .arg(row + 1)
        .arg(List1(0).List(row), List1(2).List(row));
}

void MainForm::pointsChanged()
{
    if (m_rectangle)
        m_rectangle->stale = true;
    ui->Picture1->descriptionChanged();
}

void MainForm::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    if (m_pointCount >= MaxPoints) {
        ui->Picture1->descriptionChanged(); // says again that there is no room for more
        m_announcer->announce([this] { return describeCount(m_pointCount, MaxPoints); });
        return;
    }
    canvas().setDrawWidth(5);
    canvas().PSet(x, y);
    List1(0).AddItem(rowText(x));
    List1(1).AddItem(rowText(y));
    List1(2).AddItem(rowText(float(m_canvasHeight) - y));
    ++m_pointCount;
    pointsChanged();
    m_announcer->announce([this] {
        const int n = List1(0).ListCount();
        return pointText(n - 1) + QStringLiteral("; ") + describeCount(n, MaxPoints);
    });
}

void MainForm::List1_Click(int index)
{
    TextColumn &clicked = List1(index);
    if (clicked.ListIndex() < 0)
        return;
    const int n = clicked.ListCount();
    for (int k = 0; k < n; ++k) {
        const double x = Val(List1(0).List(k));
        const qint16 y = toInt16(Val(List1(1).List(k)));
        canvas().PSet(float(x), float(y), QBColor(0));
    }
    const int r = clicked.ListIndex();
    ++m_clickDepth;
    for (TextColumn *column : m_list1)
        column->setListIndex(r);
    --m_clickDepth;
    const double x = Val(List1(0).List(r));
    const qint16 y = toInt16(Val(List1(1).List(r)));
    canvas().PSet(float(x), float(y), QBColor(6));
    if (m_clickDepth == 0) // once for the whole chain
        ui->Picture1->descriptionChanged();
}

void MainForm::DrawCoveringRectangle()
{
    const auto bounds = drawCoveringRectangle(List1(0), List1(1), List2(0), List2(1), canvas());
    m_rectangle.reset();
    if (bounds) {
        const float height = m_canvasHeight; // the lists count Y upwards from the bottom edge
        m_rectangle = DrawnRectangle{bounds->xmin, bounds->xmax, height - bounds->ymax,
                                     height - bounds->ymin};
    }
    ui->Picture1->descriptionChanged();
    m_announcer->announce([this] {
        return m_rectangle ? describeRectangle(*m_rectangle) : describeCount(0, MaxPoints);
    });
}

void MainForm::Command1_Click(int index)
{
    switch (index) {
    case 0:
        DrawCoveringRectangle();
        break;
    case 1:
        ClearAll();
        ui->Text1_0->clear();
        m_announcer->announce(
            [] { return QStringLiteral("Точките и условието на задачата са изтрити"); });
        break;
    case 2:
        DeleteSelectedPoint();
        break;
    default:
        break;
    }
}

void MainForm::DeleteSelectedPoint()
{
    const int r = List1(0).ListIndex();
    if (r < 0) {
        m_announcer->announce([] { return QStringLiteral("Няма избрана точка"); });
        return;
    }
    m_announcer->announce([&] {
        return QStringLiteral("Изтрита е %1; остават: %2")
            .arg(pointText(r), describeCount(List1(0).ListCount() - 1, MaxPoints));
    });
    --m_pointCount;
    const double x = Val(List1(0).List(r));
    const qint32 y = toInt32(Val(List1(1).List(r)));
    for (TextColumn *column : m_list1)
        column->RemoveItem(r);
    canvas().PSet(float(x), float(y), QBColor(15));
    for (int k = 0; k < List1(0).ListCount(); ++k)
        canvas().PSet(float(Val(List1(0).List(k))), float(toInt32(Val(List1(1).List(k)))),
                      QBColor(0));
    pointsChanged();
}
