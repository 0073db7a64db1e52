// SPDX-License-Identifier: GPL-3.0-or-later
#include "elidedlabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

QSize ElidedLabel::minimumSizeHint() const
{
    return QSize(0, QLabel::minimumSizeHint().height());
}

QString ElidedLabel::plainText() const
{
    QTextDocument document;
    document.setHtml(text());
    return document.toPlainText();
}

QFont ElidedLabel::textFont() const
{
    QTextDocument document;
    document.setDefaultFont(font());
    document.setHtml(text());
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat().font();
}

QString ElidedLabel::shownText() const
{
    return QFontMetrics(textFont()).elidedText(plainText(), Qt::ElideRight, contentsRect().width());
}

void ElidedLabel::paintEvent(QPaintEvent *event)
{
    const QString shown = shownText();
    if (shown == plainText()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(textFont());
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

bool ElidedLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    const QString whole = plainText();
    if (shownText() != whole)
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), whole, this);
    else
        QToolTip::hideText();
    return true;
}
