// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rowdelegate.h"

#include <QPainter>
#include <QStyle>

void RowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const
{
    // The chosen row keeps the active colours in an inactive window too: some styles' inactive
    // highlight is near-white, and the pupil must still see which row the lists have chosen.
    constexpr QPalette::ColorGroup group = QPalette::Active;
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));

    const QString text = index.data().toString();
    auto cached = m_texts.find(text);
    if (cached == m_texts.end()) {
        QStaticText layout(text);
        layout.setTextFormat(Qt::PlainText);
        layout.prepare({}, option.font);
        cached = m_texts.insert(text, layout);
    }
    const int margin = option.widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int top = (option.rect.height() - option.fontMetrics.height()) / 2;
    painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(option.rect.topLeft() + QPoint(margin, top), *cached);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                              option.widget);
    }
}
