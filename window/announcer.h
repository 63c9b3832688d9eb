// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Says a sentence to screen readers wherever the focus is: to assistive technology it is a
// notification of the window that shows itself with the sentence as its name. It has no
// pixels, so sighted pupils see nothing of it, and it costs nothing while nobody listens.
// Sentences that come quicker than Quiet after one another (a held key) are said as one, the
// last: Orca reads the name only when it gets to an event, and would say a newer one twice.

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

class Announcer : public QObject
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    QWidget *window() const;
    // The last sentence said, or empty.
    QString text() const { return m_text; }
    // Says what sentence() returns once Quiet has passed without another; while nobody
    // listens, it is not even put together.
    template <typename Sentence> void announce(Sentence &&sentence)
    {
        if (QAccessible::isActive()) {
            m_pending = sentence();
            m_quiet.start();
        }
    }

    static constexpr int Quiet = 150; // milliseconds, longer than a key repeat's step

private:
    void say();

    QString m_text;
    QString m_pending;
    QTimer m_quiet;
};
