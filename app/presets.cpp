// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "glwidget.h"
#include "settingsfile.h"
#include "ui_mainwindowclass.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTextStream>
#include <new>

namespace {

void warn(const QString &text)
{
    QMessageBox::warning(nullptr, MainWindow::tr("Warning"), text);
}

// Reads a whole settings file, or warns and leaves `settings` alone when it cannot be opened.
bool readSettingsFile(const QString &fileName, vorlix::SettingsFile *settings)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(MainWindow::tr("Can't open ") + fileName);
        return false;
    }
    QTextStream in(&file);
    *settings = vorlix::readSettings(in);
    return true;
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

} // namespace

void MainWindow::ReadSettings(QString fileName)
{
    vorlix::SettingsFile settings;
    if (readSettingsFile(fileName, &settings))
        appendSettings(settings, fileName);
}

void MainWindow::appendSettings(const vorlix::SettingsFile &settings, const QString &fileName)
{
    int refused = 0;
    for (const vorlix::Preset &preset : settings.presets) {
        if (!hasRoomForPreset()) {
            ++refused;
            continue;
        }
        ++lastPreset;
        presetNames.append(preset.name);
        setPresetAt(lastPreset, preset);
    }

    if (settings.colourSeen)
        backgroundColor.setNamedColor("#" + settings.colourText);
    else
        backgroundColor = Qt::black;
    lineWidth = settings.lineWidthSeen ? settings.lineWidth : 1.0f;

    if (refused > 0)
        warn(tr("Only the first 500 presets are kept from ") + fileName);
}

bool MainWindow::SaveSettings()
{
    if (!homeDir.exists(".vorlix"))
        homeDir.mkpath(".vorlix");
    if (settingsFileName != userSettingsFileName)
        settingsFileName = userSettingsFileName;

    vorlix::SettingsFile settings;
    settings.colourText = glWidget->backgroundColor.name().mid(1);
    settings.lineWidth = lineWidth;
    for (int i = 0; i <= lastPreset; ++i)
        settings.presets.append(presetAt(i));

    // The new content replaces the file only when all of it was written, so a failed
    // save leaves the previous presets on disk.
    QSaveFile file(settingsFileName);
    if (file.open(QIODevice::WriteOnly)) {
        QTextStream out(&file);
        vorlix::writeSettings(out, settings);
        out.flush();
        if (out.status() == QTextStream::Ok && file.commit())
            return true;
        file.cancelWriting();
    }
    warn(tr("Can't write settings to ") + settingsFileName);
    return false;
}

void MainWindow::allocatePresetArrays()
{
    presetWx = new (std::nothrow) double[presetCapacity];
    presetWy = new (std::nothrow) double[presetCapacity];
    presetWz = new (std::nothrow) double[presetCapacity];
    presetIx = new (std::nothrow) double[presetCapacity];
    presetIy = new (std::nothrow) double[presetCapacity];
    presetIz = new (std::nothrow) double[presetCapacity];
    presetSpeed = new (std::nothrow) double[presetCapacity];
    presetIterPerFrame = new (std::nothrow) int[presetCapacity];
}

void MainWindow::releasePresetArrays()
{
    delete[] presetWx;
    delete[] presetWy;
    delete[] presetWz;
    delete[] presetIx;
    delete[] presetIy;
    delete[] presetIz;
    delete[] presetSpeed;
    delete[] presetIterPerFrame;
}

void MainWindow::resetPresetStore()
{
    releasePresetArrays();
    presetNames.clear();
    lastPreset = -1;
    allocatePresetArrays();
}

bool MainWindow::hasRoomForPreset()
{
    // A failed allocation leaves no room at all rather than a null array to write to.
    const bool allocated = presetWx && presetWy && presetWz && presetIx && presetIy && presetIz
        && presetSpeed && presetIterPerFrame;
    return allocated && lastPreset + 1 < presetCapacity;
}

vorlix::Preset MainWindow::presetAt(int index) const
{
    vorlix::Preset preset;
    preset.name = presetNames.at(index);
    preset.inertiaX = presetIx[index];
    preset.inertiaY = presetIy[index];
    preset.inertiaZ = presetIz[index];
    preset.omegaX = presetWx[index];
    preset.omegaY = presetWy[index];
    preset.omegaZ = presetWz[index];
    preset.speed = presetSpeed[index];
    preset.iterPerFrame = presetIterPerFrame[index];
    return preset;
}

void MainWindow::setPresetAt(int index, const vorlix::Preset &preset)
{
    presetIx[index] = preset.inertiaX;
    presetIy[index] = preset.inertiaY;
    presetIz[index] = preset.inertiaZ;
    presetWx[index] = preset.omegaX;
    presetWy[index] = preset.omegaY;
    presetWz[index] = preset.omegaZ;
    presetSpeed[index] = preset.speed;
    presetIterPerFrame[index] = preset.iterPerFrame;
}

vorlix::Preset MainWindow::panel() const
{
    vorlix::Preset preset;
    preset.inertiaX = ui->Ix->value();
    preset.inertiaY = ui->Iy->value();
    preset.inertiaZ = ui->Iz->value();
    preset.omegaX = ui->WX->value();
    preset.omegaY = ui->WY->value();
    preset.omegaZ = ui->WZ->value();
    preset.speed = ui->speed->value();
    preset.iterPerFrame = int(ui->iterPerFrame->value());
    return preset;
}

void MainWindow::showOnPanel(const vorlix::Preset &preset)
{
    ui->Ix->setValue(preset.inertiaX);
    ui->Iy->setValue(preset.inertiaY);
    ui->Iz->setValue(preset.inertiaZ);
    ui->WX->setValue(preset.omegaX);
    ui->WY->setValue(preset.omegaY);
    ui->WZ->setValue(preset.omegaZ);
    ui->speed->setValue(preset.speed);
    ui->iterPerFrame->setValue(preset.iterPerFrame);
}

void MainWindow::on_Settings_currentIndexChanged(int index)
{
    // An emptied combo box has no current item and there is no preset to load.
    if (index < 0)
        return;
    if (index <= lastPreset) {
        showOnPanel(presetAt(index));
        return;
    }

    // A typed name confirmed with Enter, which the combo box appended as its last item.
    if (!hasRoomForPreset()) {
        // Take the item out again without loading the preset before it: the panel keeps
        // the values the user was about to store.
        const QSignalBlocker blocker(ui->Settings);
        ui->Settings->removeItem(index);
        warn(tr("No room for more than 500 presets"));
        return;
    }
    lastPreset = index;
    presetNames.append(ui->Settings->currentText());
    setPresetAt(index, panel());
    SaveSettings();
}

void MainWindow::on_save_clicked()
{
    const QString name = ui->Settings->currentText();
    const int existing = presetNames.lastIndexOf(name);
    if (existing >= 0) {
        setPresetAt(existing, panel());
    } else {
        if (!hasRoomForPreset()) {
            warn(tr("No room for more than 500 presets"));
            return;
        }
        ++lastPreset;
        presetNames.append(name);
        setPresetAt(lastPreset, panel());
        ui->Settings->insertItem(ui->Settings->count(), name);
    }
    SaveSettings();
}

void MainWindow::on_delete_2_clicked()
{
    const int currentIndex = ui->Settings->currentIndex();
    const QString name = ui->Settings->currentText();
    if (lastPreset < 0)
        return;
    const int deleted = presetNames.lastIndexOf(name);
    if (deleted < 0)
        return;

    presetNames[deleted] = "";
    if (!SaveSettings()) {
        // The file still holds the preset (or does not exist yet): keep the store as it was.
        presetNames[deleted] = name;
        return;
    }

    // Re-read what was just written so that the indices close up.
    resetPresetStore();
    ReadSettings(settingsFileName);
    ui->Settings->clear();
    ui->Settings->insertItems(ui->Settings->count(), presetNames);
    if (currentIndex > 0)
        ui->Settings->setCurrentIndex(currentIndex - 1);
}

void MainWindow::on_actionLoad_settings_file_triggered()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open settings file"),
        QDir::currentPath(), tr("Settings *.ini (*.ini);;All files (*.*)"));
    if (fileName.isNull())
        return;

    // Read before anything is reset, so that an unreadable file costs the user nothing.
    vorlix::SettingsFile settings;
    if (!readSettingsFile(fileName, &settings))
        return;
    if (settings.presets.isEmpty()) {
        warn(tr("No presets in ") + fileName);
        return;
    }
    // The import overwrites user.ini: without a copy of it the import does not happen.
    if (!backUpFile(userSettingsFileName)) {
        warn(tr("Not loaded: can't keep a backup in ") + userSettingsFileName + ".bak");
        return;
    }

    resetPresetStore();
    ui->Settings->clear();
    appendSettings(settings, fileName);
    ui->Settings->insertItems(ui->Settings->count(), presetNames);

    glWidget->backgroundColor = backgroundColor;
    glWidget->changeBackgroundColor();
    glWidget->lineWidth = lineWidth;
    glWidget->changeLineWidth();
    glWidget->updateGL();

    messageLabel->setText(
        "<small>" + tr("settings ") + fileName + tr(" loaded", "settings") + "</small>");
    SaveSettings();
}
