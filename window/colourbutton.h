// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A push button whose face is one plain colour, in the classic raised 3-D look, whatever
// the widget style would paint, with the program's dotted focus mark. Enter presses it too.

#include <QPushButton>

class ColourButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QColor faceColour READ faceColour WRITE setFaceColour)
public:
    explicit ColourButton(QWidget *parent = nullptr);

    QColor faceColour() const { return m_face; }
    void setFaceColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face = Qt::lightGray;
};
