// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_DECIMALSEPARATOR_H
#define VORLIX_DECIMALSEPARATOR_H

#include <QObject>

/// Installed on spin boxes, makes a typed "." or "," the spin box locale's decimal point:
/// under a locale with a decimal comma, "2.5" would otherwise read as 25, the point being
/// taken for a group separator and dropped.
class DecimalSeparatorFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
