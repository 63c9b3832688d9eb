// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QWidget>

Announcer::Announcer(QWidget *window) : QObject(window)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(Quiet);
    connect(&m_quiet, &QTimer::timeout, this, &Announcer::say);
}

QWidget *Announcer::window() const
{
    return static_cast<QWidget *>(parent());
}

void Announcer::say()
{
    m_text = m_pending;
    // Orca speaks a notification when it is shown (AT-SPI); Qt makes a new text value of any
    // object a notification event for UI Automation (Windows), where showing says nothing.
    QAccessibleEvent hide(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
    QAccessibleEvent show(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
    QAccessibleValueChangeEvent value(this, m_text);
    QAccessible::updateAccessibility(&value);
}
