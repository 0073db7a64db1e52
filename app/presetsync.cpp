// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings file is shared by every window of the program: each change takes its
// lock and applies to the file as it is then, and each window lists what the others store.
#include "mainwindow.h"

#include "glwidget.h"
#include "presetfile.h"
#include "settingsfile.h"
#include "ui_mainwindowclass.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTextStream>

namespace {

// As core/presetfile takes it: a change holds the lock for milliseconds, so one this old
// belongs to a writer that hangs.
constexpr int staleLockMs = 10000;

QByteArray settingsBytes(const vorlix::SettingsFile &settings)
{
    QByteArray bytes;
    QTextStream out(&bytes, QIODevice::WriteOnly);
    vorlix::writeSettings(out, settings);
    out.flush();
    return bytes;
}

// Whether the presets would be written alike: unnamed ones are never written, and numbers
// only as the file keeps them.
bool samePresets(const vorlix::SettingsFile &a, const vorlix::SettingsFile &b)
{
    vorlix::SettingsFile presetsOfA, presetsOfB;
    presetsOfA.presets = a.presets;
    presetsOfB.presets = b.presets;
    return settingsBytes(presetsOfA) == settingsBytes(presetsOfB);
}

} // namespace

bool MainWindow::SaveSettings()
{
    const vorlix::SettingsFile store = storeFile();
    return takeInChange(
        vorlix::setDisplay(userSettingsFileName, store.colourText, store.lineWidth, store));
}

vorlix::SettingsFile MainWindow::storeFile() const
{
    vorlix::SettingsFile settings;
    settings.colourText = glWidget->backgroundColor.name().mid(1);
    settings.lineWidth = lineWidth;
    for (int i = 0; i <= lastPreset; ++i)
        settings.presets.append(presetAt(i));
    return settings;
}

bool MainWindow::takeInChange(const vorlix::PresetFileResult &result)
{
    settingsFileName = userSettingsFileName;
    switch (result.status) {
    case vorlix::PresetFileStatus::Written:
        presetFileSeen = settingsBytes(result.settings);
        watchPresetFile();
        [[fallthrough]];
    case vorlix::PresetFileStatus::Unchanged:
        // The file holds what other windows stored since this one last looked.
        if (!samePresets(result.settings, storeFile()))
            listPresetsFrom(result.settings);
        return true;
    case vorlix::PresetFileStatus::NoRoom:
        listPresetsFrom(result.settings);
        QMessageBox::warning(nullptr, tr("Warning"), tr("No room for more than 500 presets"));
        return false;
    default:
        QMessageBox::warning(
            nullptr, tr("Warning"), tr("Can't write settings to ") + userSettingsFileName);
        return false;
    }
}

void MainWindow::listPresetsFrom(const vorlix::SettingsFile &settings)
{
    const QString shown = ui->Settings->currentText();
    resetPresetStore();
    appendPresets(settings.presets);
    settingsFileName = userSettingsFileName;

    // Nothing is applied to the panel: a preset the other window deleted leaves its values
    // and its name there, to be stored again with "+".
    const QSignalBlocker blocker(ui->Settings);
    ui->Settings->clear();
    ui->Settings->insertItems(0, presetNames);
    const int index = presetNames.lastIndexOf(shown);
    ui->Settings->setCurrentIndex(index);
    if (index < 0)
        ui->Settings->setEditText(shown);
    fitPresetBox();
}

bool MainWindow::lockPresetFile(QLockFile &lock) const
{
    QDir().mkpath(QFileInfo(userSettingsFileName).absolutePath());
    lock.setStaleLockTime(staleLockMs);
    return lock.tryLock(vorlix::defaultLockTimeoutMs);
}

bool MainWindow::writeWholeStore()
{
    settingsFileName = userSettingsFileName;
    const QByteArray bytes = settingsBytes(storeFile());
    // The new content replaces the file only when all of it was written, so a failed
    // save leaves the previous presets on disk.
    QSaveFile file(userSettingsFileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        presetFileSeen = bytes;
        watchPresetFile();
        return true;
    }
    QMessageBox::warning(
        nullptr, tr("Warning"), tr("Can't write settings to ") + userSettingsFileName);
    return false;
}

void MainWindow::watchPresetFile()
{
    if (!presetWatcher) {
        presetWatcher = new QFileSystemWatcher(this);
        // The folder tells of a file replaced by renaming another over it, which the file's
        // own watch does not survive.
        connect(
            presetWatcher, &QFileSystemWatcher::fileChanged, this, &MainWindow::presetFileChanged);
        connect(presetWatcher, &QFileSystemWatcher::directoryChanged, this,
            &MainWindow::presetFileChanged);
    }
    const QString folder = QFileInfo(userSettingsFileName).absolutePath();
    if (QFileInfo(folder).isDir() && !presetWatcher->directories().contains(folder))
        presetWatcher->addPath(folder);
    if (QFileInfo(userSettingsFileName).isFile()
        && !presetWatcher->files().contains(userSettingsFileName))
        presetWatcher->addPath(userSettingsFileName);
}

void MainWindow::presetFileChanged()
{
    watchPresetFile();
    QFile file(userSettingsFileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    // The window's own writes, the lock coming and going beside the file, and writes that
    // failed leave it as last seen.
    if (bytes == presetFileSeen)
        return;
    presetFileSeen = bytes;
    QTextStream in(bytes);
    const vorlix::SettingsFile settings = vorlix::readSettings(in);
    if (!samePresets(settings, storeFile()))
        listPresetsFrom(settings);
}
