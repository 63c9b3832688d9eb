#include "mainform.h"

#include "colours.h"
#include "rowtext.h"

MainForm::MainForm(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    ui.List1_0->setColumn(&List1(0));
    ui.List1_2->setColumn(&List1(2));
    // The layout is fixed, so the canvas image takes its final size here, once.
    canvas().resize(ui.Picture1->contentsRect().size());
    ui.Text1_0->setFocus();

    Form_Load();
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
}
