// SPDX-License-Identifier: GPL-3.0-or-later
#include "about.h"

#include "ui_about.h"

about::about(QWidget *parent) : QDialog(parent), aboutUi(new Ui_about)
{
    aboutUi->setupUi(this);
    setWindowTitle(tr("version: ") + VORLIX_VERSION);
}

about::~about()
{
    delete aboutUi;
}
