// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Says a sentence to screen readers wherever the focus is: to assistive technology it is a
// notification of the window that shows itself with the sentence as its name. It has no
// pixels, so sighted pupils see nothing of it, and it costs nothing while nobody listens.

#include <QAccessible>
#include <QObject>
#include <QString>

class QWidget;

class Announcer : public QObject
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    QWidget *window() const;
    // The last sentence said, or empty.
    QString text() const { return m_text; }
    // Says what sentence() returns; while nobody listens, it is not even put together.
    template <typename Sentence> void announce(Sentence &&sentence)
    {
        if (QAccessible::isActive())
            say(sentence());
    }

private:
    void say(const QString &text);

    QString m_text;
};
