// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimalseparator.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QWidget>

bool DecimalSeparatorFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString typed = key->text();
    if (typed != QLatin1String(".") && typed != QLatin1String(","))
        return false;
    // A character in Qt 5, a string in Qt 6.
    const QString point = static_cast<QWidget *>(watched)->locale().decimalPoint();
    if (typed == point)
        return false;

    // The replacement carries the locale's point and so passes this filter unchanged.
    QKeyEvent replacement(QEvent::KeyPress, point == QLatin1String(",") ? Qt::Key_Comma : Qt::Key_Period,
        key->modifiers(), point, key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &replacement);
    return true;
}
