// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "picturebox.h"

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
        case QAccessible::Value:
            return box->crosshairText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *accessibleWidget(const QString &className, QObject *object)
{
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
