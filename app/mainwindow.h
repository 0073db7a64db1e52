// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_MAINWINDOW_H
#define VORLIX_MAINWINDOW_H

#include "divergence.h"
#include "objreader.h"
#include "overlayswitches.h"
#include "runstate.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QVector>

class GLWidget;
class PhysicsDock;
class PhysicsMenu;
class QFileSystemWatcher;
class QLabel;
class QLockFile;
class QTimer;
class Ui_MainWindowClass;
namespace vorlix {
class Stepper;
struct Motion;
struct Preset;
struct PresetFileResult;
struct SettingsFile;
} // namespace vorlix

/// The one window: the parameter panel, the 3-D view, the status-bar readout and the
/// preset store. Its slots are connected to the form by object name.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The body's mesh as read from bodyFileName and drawn (empty for the textured sphere).
    const vorlix::ObjMesh &bodyMesh() const { return loadedMesh; }

    /// Copies the whole parameter panel into the view and repaints it.
    void LoadValues();
    /// Appends the presets of a settings file to the store; sets the colour and line width.
    void ReadSettings(QString fileName);
    /// Writes the line width and the view's colour to the user's settings file, and the
    /// store too when the file does not exist yet; presets other windows stored there are
    /// kept and listed. Returns false, after warning the user, when the file could not be
    /// written.
    bool SaveSettings();

    /// Shows the body read from the OBJ file `path` (stopped first by the caller). An
    /// empty string, or the one line that says why the file was not taken.
    QString loadBody(const QString &path);
    /// Chooses the preset `name` as the Settings list would; false when there is none.
    bool choosePreset(const QString &name);
    /// Puts `motion` on the panel (to the panel's precision) and runs it with `stepper`.
    void showMotion(const vorlix::Motion &motion, const vorlix::Stepper *stepper);

    GLWidget *glWidget;
    Ui_MainWindowClass *ui;
    QByteArray bodyFileName;
    QString textureFileName;
    QString settingsFileName;
    QString userSettingsFileName;
    QTimer *fpsTimer;
    QLabel *messageLabel;
    QLabel *fpsLabel;
    QLabel *omegaXLabel;
    QLabel *omegaYLabel;
    QLabel *omegaZLabel;
    static constexpr int presetCapacity = 500;
    QStringList presetNames;
    double *presetWx, *presetWy, *presetWz;
    double *presetIx, *presetIy, *presetIz;
    double *presetSpeed;
    int *presetIterPerFrame;
    int lastPreset;
    QString omegaXPrefix, omegaYPrefix, omegaZPrefix;
    QDir homeDir;
    QString homePath;
    QColor backgroundColor;
    float lineWidth;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    // Kept in this order: it is the order of the window's meta-object methods.
    void on_actionBackground_color_triggered();
    void on_Settings_currentIndexChanged(int index);
    void on_zb_toggled(bool checked);
    void on_yb_toggled(bool checked);
    void on_xb_toggled(bool checked);
    void on_actionLoad_settings_file_triggered();
    void on_save_clicked();
    void on_delete_2_clicked();
    void statusbarFPSupdate();
    void on_speed_valueChanged(double speed);
    void on_WZ_valueChanged(double WZ);
    void on_WY_valueChanged(double WY);
    void on_WX_valueChanged(double WX);
    void on_Iz_valueChanged(double Lz);
    void on_Iy_valueChanged(double Ly);
    void on_Ix_valueChanged(double Lx);
    void on_pushButton_clicked();
    void on_actionLoad_texture_triggered();
    void on_actionE_xit_triggered();
    void on_action_Info_triggered();
    void on_actionLoad_triangulated_OBJ_triggered();
    void on_iterPerFrame_valueChanged(double iterPerFrame);
    void on_actionExport_as_image_triggered();
    void on_actionExport_lines_as_OBJ_triggered();
    void on_actionLine_width_triggered();
    void on_Draw_toggled(bool checked);
    void on_Ell_toggled(bool checked);

    // Physics menu and readout
    void on_actionPhysics_readout_toggled(bool checked);
    void on_actionRestart_from_the_panel_triggered();
    void on_actionMoments_from_body_triggered();

    // Films and data
    void on_actionExport_video_triggered();
    void on_actionExport_data_triggered();

    // Presets
    void on_actionRestore_previous_presets_triggered();

private:
    vorlix::RunState runState;
    vorlix::ObjMesh loadedMesh;
    PhysicsDock *physicsDock = nullptr;
    QTimer *readoutTimer = nullptr;
    PhysicsMenu *physicsMenu = nullptr;

    void setButtonState(const char *styleSheet, const QString &text);
    /// First step of every body change: a running or key-paused simulation stops.
    void stopSimulation();
    /// Stops as the Stop button does and tells the user the likely cause.
    void stopDivergedSimulation(vorlix::DivergenceCause cause);
    /// Shows why, and returns true, when a moment on the panel is no body's: no start then.
    bool refuseInvalidMoments();
    /// Restarts the clock and takes the drift's reference from the motion as it is now:
    /// done whenever the user starts or changes the motion.
    void restartDriftReference();
    /// How much opening the readout dock grew the window, given back when it closes.
    int readoutDockGrowth = 0;
    /// Throws the view away and builds a new one from bodyFileName and textureFileName,
    /// drawing `mesh` (already read from bodyFileName) as the body.
    void replaceView(vorlix::ObjMesh mesh = {});
    /// Hands a new view the window's state: the background colour, the run state, the
    /// overlay switches, the panel and the handling of a diverged run. The line width is
    /// the start-up view's only; a view made for a new body starts at 1 pixel.
    void configureView();
    void showOverlays(const OverlaySwitches &switches);
    /// Restarts from the panel with ω along the picked body point and the panel's kinetic
    /// energy, written into the panel first.
    void startFromPickedPoint(const vorlix::Vector3 &bodyPoint);
    void createStatusLabels();
    void createPhysicsReadout();
    /// Shows the view's physics in the readout dock; runs about ten times a second while
    /// the dock is shown, never once per tick.
    void refreshPhysicsReadout();
    /// The exact reference starts again from the view's state: called wherever the motion
    /// is started or changed by hand, so that the error shown is the running scheme's own.
    void restartExactReference();

    // Presets
    /// Where default.ini and the shipped bodies are: the working directory at start-up.
    QString dataFolder;
    /// The body file of each preset, beside the arrays (empty: the preset keeps the body).
    QStringList presetBodies;
    /// Whether choosing a preset loads its body: not while the program picks one itself.
    bool presetBodiesLoad = true;
    QFileSystemWatcher *presetWatcher = nullptr;
    /// The user's settings file as this window last wrote or read it.
    QByteArray presetFileSeen;

    void setUpPresetBox();
    void appendSettings(const vorlix::SettingsFile &settings, const QString &fileName);
    /// Appends presets while there is room; returns how many found none.
    int appendPresets(const QVector<vorlix::Preset> &presets);
    void allocatePresetArrays();
    void releasePresetArrays();
    void resetPresetStore();
    bool hasRoomForPreset();
    vorlix::Preset presetAt(int index) const;
    void setPresetAt(int index, const vorlix::Preset &preset);
    /// The parameters as the panel shows them (without a name).
    vorlix::Preset panel() const;
    void showOnPanel(const vorlix::Preset &preset);
    /// Loads a preset's body file: a bare name from the data folder, a path as it is.
    void loadPresetBody(const QString &bodyFile);
    /// Shows the whole current name from its start and lets the list show every name.
    void fitPresetBox();
    /// The store with the view's colour and the line width, as the user's file keeps it.
    vorlix::SettingsFile storeFile() const;
    /// Takes in the result of one locked change of the user's file; warns about a failure.
    bool takeInChange(const vorlix::PresetFileResult &result);
    /// Replaces the store and the list with another window's presets; the panel is kept.
    void listPresetsFrom(const vorlix::SettingsFile &settings);
    /// Replaces the store by a whole file's presets, colour and line width, selecting the
    /// first preset without loading its body.
    void replaceStore(const vorlix::SettingsFile &settings, const QString &fileName);
    /// Writes the whole store over the user's file; the caller holds its lock.
    bool writeWholeStore();
    /// Takes the lock other windows take before they change the user's file.
    bool lockPresetFile(QLockFile &lock) const;
    void watchPresetFile();
    void presetFileChanged();
};

#endif
