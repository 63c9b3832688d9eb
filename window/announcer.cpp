// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QWidget>

Announcer::Announcer(QWidget *window) : QObject(window) {}

QWidget *Announcer::window() const
{
    return static_cast<QWidget *>(parent());
}

void Announcer::announce(const QString &text)
{
    if (!QAccessible::isActive())
        return;
    m_text = text;
    // Screen readers speak a notification when it is shown.
    QAccessibleEvent hide(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
    QAccessibleEvent show(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
}
