// SPDX-License-Identifier: GPL-3.0-or-later
#include "videoexportdialog.h"

#include "ui_videoexport.h"
#include "videoencoder.h"

#include <algorithm>

VideoExportDialog::VideoExportDialog(int viewSide, QWidget *parent)
    : QDialog(parent), ui(new Ui::VideoExportDialog)
{
    ui->setupUi(this);
    ui->size->setMaximum(vorlix::VideoEncoder::maximumSide);
    ui->fps->setMaximum(vorlix::VideoEncoder::maximumFps);
    ui->size->setValue(std::clamp(viewSide / 2 * 2, 2, vorlix::VideoEncoder::maximumSide));
}

VideoExportDialog::~VideoExportDialog() = default;

FilmRequest VideoExportDialog::request() const
{
    FilmRequest r;
    r.seconds = ui->length->value();
    r.framesPerSecond = ui->fps->value();
    r.side = ui->size->value();
    return r;
}
