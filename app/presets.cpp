// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "glwidget.h"
#include "presetfile.h"
#include "settingsfile.h"
#include "ui_mainwindowclass.h"

#include <QAbstractItemView>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextStream>
#include <new>

namespace {

void warn(const QString &text)
{
    QMessageBox::warning(nullptr, MainWindow::tr("Warning"), text);
}

} // namespace

void MainWindow::setUpPresetBox()
{
    dataFolder = QDir::currentPath();
    // The program picks the first preset itself: its panel is shown, its body is not loaded.
    const QScopedValueRollback<bool> noBodies(presetBodiesLoad, false);
    ui->Settings->insertItems(ui->Settings->count(), presetNames);
    fitPresetBox();
    QFile seen(userSettingsFileName);
    if (seen.open(QIODevice::ReadOnly))
        presetFileSeen = seen.readAll();
    watchPresetFile();
}

void MainWindow::fitPresetBox()
{
    QComboBox *box = ui->Settings;
    // A line edit shows the end of a long text; its start names the preset.
    box->lineEdit()->setCursorPosition(0);
    box->setToolTip(box->currentText());
    int widest = 0;
    for (const QString &name : qAsConst(presetNames))
        widest = qMax(widest, box->fontMetrics().horizontalAdvance(name));
    const int margins = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        + 2 * box->view()->frameWidth() + box->fontMetrics().averageCharWidth() * 2;
    box->view()->setMinimumWidth(widest + margins);
}

void MainWindow::ReadSettings(QString fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Can't open ") + fileName);
        return;
    }
    QTextStream in(&file);
    appendSettings(vorlix::readSettings(in), fileName);
}

void MainWindow::appendSettings(const vorlix::SettingsFile &settings, const QString &fileName)
{
    const int refused = appendPresets(settings.presets);

    if (settings.colourSeen)
        backgroundColor.setNamedColor("#" + settings.colourText);
    else
        backgroundColor = Qt::black;
    lineWidth = settings.lineWidthSeen ? settings.lineWidth : 1.0f;

    if (refused > 0)
        warn(tr("Only the first 500 presets are kept from ") + fileName);
}

int MainWindow::appendPresets(const QVector<vorlix::Preset> &presets)
{
    int refused = 0;
    for (const vorlix::Preset &preset : presets) {
        if (!hasRoomForPreset()) {
            ++refused;
            continue;
        }
        ++lastPreset;
        presetNames.append(preset.name);
        setPresetAt(lastPreset, preset);
    }
    return refused;
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
    presetBodies.clear();
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
    preset.bodyFile = presetBodies.value(index);
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
    while (presetBodies.size() <= index)
        presetBodies.append(QString());
    presetBodies[index] = preset.bodyFile;
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

void MainWindow::loadPresetBody(const QString &bodyFile)
{
    const QString path = bodyFile.contains('/') ? bodyFile : QDir(dataFolder).filePath(bodyFile);
    const QString shown = QFileInfo(QString::fromUtf8(bodyFileName)).absoluteFilePath();
    if (bodyFileName.isEmpty() || QFileInfo(path).absoluteFilePath() != shown) {
        stopSimulation();
        const QString problem = loadBody(path);
        if (!problem.isEmpty())
            warn(problem);
    }
}

void MainWindow::on_Settings_currentIndexChanged(int index)
{
    fitPresetBox();
    // An emptied combo box has no current item and there is no preset to load.
    if (index < 0)
        return;
    if (index <= lastPreset) {
        const vorlix::Preset preset = presetAt(index);
        showOnPanel(preset);
        if (presetBodiesLoad && !preset.bodyFile.isEmpty())
            loadPresetBody(preset.bodyFile);
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
    const vorlix::SettingsFile initial = storeFile();
    lastPreset = index;
    vorlix::Preset preset = panel();
    preset.name = ui->Settings->currentText();
    presetNames.append(preset.name);
    setPresetAt(index, preset);
    takeInChange(vorlix::savePreset(userSettingsFileName, preset, initial));
}

void MainWindow::on_save_clicked()
{
    vorlix::Preset preset = panel();
    preset.name = ui->Settings->currentText();
    const vorlix::SettingsFile initial = storeFile();
    const int existing = presetNames.lastIndexOf(preset.name);
    if (existing >= 0) {
        // The panel has no body: a preset saved over keeps the body it names.
        preset.bodyFile = presetBodies.value(existing);
        setPresetAt(existing, preset);
    } else {
        if (!hasRoomForPreset()) {
            warn(tr("No room for more than 500 presets"));
            return;
        }
        ++lastPreset;
        presetNames.append(preset.name);
        setPresetAt(lastPreset, preset);
        ui->Settings->insertItem(ui->Settings->count(), preset.name);
    }
    takeInChange(vorlix::savePreset(userSettingsFileName, preset, initial));
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

    const vorlix::SettingsFile initial = storeFile();
    presetNames[deleted] = "";
    const vorlix::PresetFileResult result
        = vorlix::deletePreset(userSettingsFileName, name, initial);
    if (!takeInChange(result)) {
        // The file still holds the preset (or does not exist yet): keep the store as it was.
        presetNames[deleted] = name;
        return;
    }

    // List what the file now holds, so that the indices close up.
    const QScopedValueRollback<bool> noBodies(presetBodiesLoad, false);
    resetPresetStore();
    appendSettings(result.settings, settingsFileName);
    ui->Settings->clear();
    ui->Settings->insertItems(ui->Settings->count(), presetNames);
    if (currentIndex > 0)
        ui->Settings->setCurrentIndex(currentIndex - 1);
}
