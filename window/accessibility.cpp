// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "announcer.h"
#include "picturebox.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>

namespace {

class AccessibleCanvas : public QAccessibleWidget
{
public:
    explicit AccessibleCanvas(PictureBox *box) : QAccessibleWidget(box, QAccessible::Canvas) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *box = static_cast<const PictureBox *>(widget());
        switch (t) {
        case QAccessible::Description:
            return box->description();
        case QAccessible::UserText:
            return CanvasRoleWord;
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

class AccessibleAnnouncer : public QAccessibleObject, public QAccessibleValueInterface
{
public:
    explicit AccessibleAnnouncer(Announcer *announcer) : QAccessibleObject(announcer) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : nullptr;
    }
    // Its value is what it says, so that a new sentence can go out as a value change.
    QVariant currentValue() const override { return announcer()->text(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(announcer()->window());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? announcer()->text() : QString();
    }
    QRect rect() const override { return {}; }

private:
    Announcer *announcer() const { return static_cast<Announcer *>(object()); }
};

QAccessibleInterface *accessibleWidget(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        return new AccessibleAnnouncer(static_cast<Announcer *>(object));
    if (className == QLatin1String("PictureBox"))
        return new AccessibleCanvas(static_cast<PictureBox *>(object));
    // A plain widget reads as a filler; the main window is the program's window.
    if (className == QLatin1String("MainForm"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(accessibleWidget), true);
    Q_UNUSED(installed);
}
