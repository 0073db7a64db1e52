// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files that replace the whole preset store, and the way back to the store an
// import replaced.
#include "mainwindow.h"

#include "glwidget.h"
#include "settingsfile.h"
#include "settingsimport.h"
#include "ui_mainwindowclass.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QTextStream>

namespace {

void warn(const QString &text)
{
    QMessageBox::warning(nullptr, MainWindow::tr("Warning"), text);
}

// Keeps a copy of the user's settings file beside it as "<name>.bak", written whole or not
// at all. No file to copy is no failure.
bool backUpFile(const QString &fileName)
{
    QFile original(fileName);
    if (!original.exists())
        return true;
    if (!original.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = original.readAll();
    if (original.error() != QFileDevice::NoError)
        return false;
    QSaveFile backup(fileName + ".bak");
    return backup.open(QIODevice::WriteOnly) && backup.write(content) == content.size()
        && backup.commit();
}

// Renamed rather than rewritten, so that each file arrives whole; a failed step is undone.
bool swapFiles(const QString &file, const QString &other)
{
    if (!QFile::exists(file))
        return QFile::rename(other, file);
    const QString parked = file + ".swap";
    QFile::remove(parked);
    if (!QFile::rename(file, parked))
        return false;
    if (QFile::rename(other, file))
        return QFile::rename(parked, other);
    QFile::rename(parked, file);
    return false;
}

} // namespace

void MainWindow::on_actionLoad_settings_file_triggered()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open settings file"),
        QDir::currentPath(), tr("Settings *.ini (*.ini);;All files (*.*)"));
    if (fileName.isNull())
        return;

    // Read and checked before anything is reset, so that a wrong file costs the user nothing.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Can't open ") + fileName);
        return;
    }
    const QByteArray bytes = file.readAll();
    switch (vorlix::settingsImportProblem(bytes)) {
    case vorlix::SettingsImportProblem::NotSettingsFile:
        warn(tr("Not loaded: %1 is not a settings file").arg(fileName));
        return;
    case vorlix::SettingsImportProblem::MomentNotPositive:
        warn(tr("Not loaded: %1 has a moment that is not positive").arg(fileName));
        return;
    case vorlix::SettingsImportProblem::None:
        break;
    }
    QTextStream in(bytes);
    const vorlix::SettingsFile settings = vorlix::readSettings(in);
    if (settings.presets.isEmpty()) {
        warn(tr("No presets in ") + fileName);
        return;
    }

    QLockFile lock(userSettingsFileName + ".lock");
    if (!lockPresetFile(lock)) {
        warn(tr("Can't write settings to ") + userSettingsFileName);
        return;
    }
    // The import overwrites user.ini: without a copy of it the import does not happen.
    const QString backup = userSettingsFileName + ".bak";
    const bool replacing = QFile::exists(userSettingsFileName);
    if (!backUpFile(userSettingsFileName)) {
        warn(tr("Not loaded: can't keep a backup in ") + backup);
        return;
    }

    replaceStore(settings, fileName);
    const QString message = replacing
        ? tr("Settings %1 loaded; the previous presets are kept in %2").arg(fileName, backup)
        : tr("settings ") + fileName + tr(" loaded", "settings");
    messageLabel->setText("<small>" + message + "</small>");
    writeWholeStore();
}

void MainWindow::on_actionRestore_previous_presets_triggered()
{
    const QString backup = userSettingsFileName + ".bak";
    if (!QFile::exists(backup)) {
        warn(tr("No previous presets in %1").arg(backup));
        return;
    }
    if (QMessageBox::question(this, tr("Restore previous presets"),
            tr("Replace the presets with those kept in %1? The present ones are kept there "
               "in their place.")
                .arg(backup))
        != QMessageBox::Yes)
        return;

    QLockFile lock(userSettingsFileName + ".lock");
    if (!lockPresetFile(lock) || !swapFiles(userSettingsFileName, backup)) {
        warn(tr("Can't write settings to ") + userSettingsFileName);
        return;
    }
    QFile restored(userSettingsFileName);
    if (!restored.open(QIODevice::ReadOnly)) {
        warn(tr("Can't open ") + userSettingsFileName);
        return;
    }
    presetFileSeen = restored.readAll();
    QTextStream in(presetFileSeen);
    settingsFileName = userSettingsFileName;
    replaceStore(vorlix::readSettings(in), userSettingsFileName);
    watchPresetFile();
    messageLabel->setText("<small>"
        + tr("Previous presets restored; the ones they replaced are kept in %1").arg(backup)
        + "</small>");
}

void MainWindow::replaceStore(const vorlix::SettingsFile &settings, const QString &fileName)
{
    const QScopedValueRollback<bool> noBodies(presetBodiesLoad, false);
    resetPresetStore();
    ui->Settings->clear();
    appendSettings(settings, fileName);
    ui->Settings->insertItems(ui->Settings->count(), presetNames);

    glWidget->backgroundColor = backgroundColor;
    glWidget->changeBackgroundColor();
    glWidget->lineWidth = lineWidth;
    glWidget->changeLineWidth();
    glWidget->updateGL();
}
