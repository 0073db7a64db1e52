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
        presetIx[lastPreset] = preset.inertiaX;
        presetIy[lastPreset] = preset.inertiaY;
        presetIz[lastPreset] = preset.inertiaZ;
        presetWx[lastPreset] = preset.omegaX;
        presetWy[lastPreset] = preset.omegaY;
        presetWz[lastPreset] = preset.omegaZ;
        presetSpeed[lastPreset] = preset.speed;
        presetIterPerFrame[lastPreset] = preset.iterPerFrame;
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
    for (int i = 0; i <= lastPreset; ++i) {
        vorlix::Preset preset;
        preset.name = presetNames.at(i);
        preset.inertiaX = presetIx[i];
        preset.inertiaY = presetIy[i];
        preset.inertiaZ = presetIz[i];
        preset.omegaX = presetWx[i];
        preset.omegaY = presetWy[i];
        preset.omegaZ = presetWz[i];
        preset.speed = presetSpeed[i];
        preset.iterPerFrame = presetIterPerFrame[i];
        settings.presets.append(preset);
    }

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

void MainWindow::loadPreset(int index)
{
    ui->Ix->setValue(presetIx[index]);
    ui->Iy->setValue(presetIy[index]);
    ui->Iz->setValue(presetIz[index]);
    ui->WX->setValue(presetWx[index]);
    ui->WY->setValue(presetWy[index]);
    ui->WZ->setValue(presetWz[index]);
    ui->speed->setValue(presetSpeed[index]);
    ui->iterPerFrame->setValue(presetIterPerFrame[index]);
}

void MainWindow::storePreset(int index)
{
    presetIx[index] = ui->Ix->value();
    presetIy[index] = ui->Iy->value();
    presetIz[index] = ui->Iz->value();
    presetWx[index] = ui->WX->value();
    presetWy[index] = ui->WY->value();
    presetWz[index] = ui->WZ->value();
    presetSpeed[index] = ui->speed->value();
    presetIterPerFrame[index] = int(ui->iterPerFrame->value());
}

void MainWindow::on_Settings_currentIndexChanged(int index)
{
    // An emptied combo box has no current item and there is no preset to load.
    if (index < 0)
        return;
    if (index <= lastPreset) {
        loadPreset(index);
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
    storePreset(index);
    SaveSettings();
}

void MainWindow::on_save_clicked()
{
    const QString name = ui->Settings->currentText();
    const int existing = presetNames.lastIndexOf(name);
    if (existing >= 0) {
        storePreset(existing);
    } else {
        if (!hasRoomForPreset()) {
            warn(tr("No room for more than 500 presets"));
            return;
        }
        ++lastPreset;
        presetNames.append(name);
        storePreset(lastPreset);
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
