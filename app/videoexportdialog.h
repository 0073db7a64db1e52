// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_VIDEOEXPORTDIALOG_H
#define VORLIX_VIDEOEXPORTDIALOG_H

#include "filmexport.h"

#include <QDialog>

#include <memory>

namespace Ui {
class VideoExportDialog;
}

/// Asks for a film's length, frames per second and size.
class VideoExportDialog : public QDialog {
    Q_OBJECT

public:
    /// Offers `viewSide` rounded down to an even number (MP4 and WebM need one), at most
    /// the largest film side.
    VideoExportDialog(int viewSide, QWidget *parent);
    ~VideoExportDialog() override;

    /// The values chosen, without a file name.
    FilmRequest request() const;

private:
    std::unique_ptr<Ui::VideoExportDialog> ui;
};

#endif
