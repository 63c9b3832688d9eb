// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ends the event loop as soon as a window has painted its first frame: start-up measured
// from process start to the first picture.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

class QuitAfterFirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The whole window, children included, is painted in the same pass as its first
        // paint event; the zero timer fires once that pass is done.
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
