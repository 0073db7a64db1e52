// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_ELIDEDLABEL_H
#define VORLIX_ELIDEDLABEL_H

#include <QLabel>

/// A one-line label that never asks for more width than it has: a text too long for it is
/// cut short with "…", and its tooltip shows the whole. Made for the status bar, whose
/// messages would otherwise widen the window.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    /// The text as drawn now: plain, and elided when it does not fit.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString plainText() const;
    /// The font the text's markup (such as <small>) gives its first letter.
    QFont textFont() const;
};

#endif
