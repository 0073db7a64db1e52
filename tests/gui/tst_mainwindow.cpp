// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "rigidbody.h"
#include "testsupport.h"
#include "ui_mainwindowclass.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QOpenGLContext>
#include <QPushButton>
#include <QTextDocument>
#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(vorlix::Vector3)

namespace {

const char *const greenStyle = "* { background-color: rgb(170,255,127) }";
const char *const orangeStyle = "* { background-color: rgb(255,170,127) }";

struct Panel {
    vorlix::Vector3 moments { 1, 2, 3 };
    vorlix::Vector3 omega { 0.3, 0.4, 0.5 };
    double speed = 2;
    double iterations = 100;
};

// The window as the program builds it, in a private home. The working directory's
// default.ini may have loaded a preset, so every test sets the panel it relies on.
struct Fixture : ShownWindow {
    Fixture() : ShownWindow(QSize(), offScreen) { }

    void setPanel(const Panel &p = Panel())
    {
        ui().Ix->setValue(p.moments.x);
        ui().Iy->setValue(p.moments.y);
        ui().Iz->setValue(p.moments.z);
        ui().WX->setValue(p.omega.x);
        ui().WY->setValue(p.omega.y);
        ui().WZ->setValue(p.omega.z);
        ui().speed->setValue(p.speed);
        ui().iterPerFrame->setValue(p.iterations);
        window.LoadValues();
    }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QVERIFY(QMetaObject::invokeMethod(view(), "rotate"));
    }

    vorlix::Vector3 omega() { return { view()->omegaX, view()->omegaY, view()->omegaZ }; }

    /// ω as `expected`, to the last bit.
    void compareOmega(const vorlix::Vector3 &expected)
    {
        QCOMPARE(view()->omegaX, expected.x);
        QCOMPARE(view()->omegaY, expected.y);
        QCOMPARE(view()->omegaZ, expected.z);
    }
};

/// Which of the view's timer and the readout's run, and the view's pause state.
struct Running {
    bool view;
    bool readout;
    int pauseState;
};

/// How the form sets up one spin box of the panel.
struct SpinBoxSetup {
    int decimals;
    double minimum, maximum, step, initial;
    int maxWidth;
    QSizePolicy::Policy horizontalPolicy;
};

// For the look of a freshly built form, before MainWindow applies a preset over it.
struct PlainForm {
    QMainWindow window;
    Ui_MainWindowClass ui;
    PlainForm() { ui.setupUi(&window); }

    template<typename T> T *find(const QString &name)
    {
        T *object = window.findChild<T *>(name);
        if (!object)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return object;
    }
};

/// A row named after the object it is about, with the name as its first column.
QTestData &namedRow(const char *name)
{
    return QTest::newRow(name) << QString(name);
}

/// One row for each moment box, with the moments the panel holds once that box has changed.
void addMomentRows(vorlix::Vector3 ix, vorlix::Vector3 iy, vorlix::Vector3 iz)
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<vorlix::Vector3>("moments");
    namedRow("Ix") << ix;
    namedRow("Iy") << iy;
    namedRow("Iz") << iz;
}

// Values a few sub-steps and a few products away from what the panel set.
bool closeTo(double actual, double expected)
{
    return std::abs(actual - expected) <= 1e-12 * std::max(1.0, std::abs(expected));
}

#define COMPARE_CLOSE(actual, expected)                                                            \
    QVERIFY2(closeTo(actual, expected),                                                            \
        QByteArray::number(actual, 'g', 17) + " != " + QByteArray::number(expected, 'g', 17))

void compareOmegaClose(const GLWidget *view, const vorlix::Vector3 &expected)
{
    COMPARE_CLOSE(view->omegaX, expected.x);
    COMPARE_CLOSE(view->omegaY, expected.y);
    COMPARE_CLOSE(view->omegaZ, expected.z);
}

void compareCoefficientsClose(const GLWidget *view, const vorlix::Vector3 &expected)
{
    COMPARE_CLOSE(view->eulerCoefX, expected.x);
    COMPARE_CLOSE(view->eulerCoefY, expected.y);
    COMPARE_CLOSE(view->eulerCoefZ, expected.z);
}

bool allFinite(const vorlix::Matrix4 &m)
{
    for (double e : m)
        if (!std::isfinite(e))
            return false;
    return true;
}

QString plainText(const QString &richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText();
}

QStringList entriesOf(QMenu *menu)
{
    QStringList entries;
    for (QAction *action : menu->actions())
        entries << (action->isSeparator() ? QString("|") : action->objectName());
    return entries;
}

} // namespace

Q_DECLARE_METATYPE(SpinBoxSetup)
Q_DECLARE_METATYPE(Running)

// A window that records what the form's by-name connections deliver to it.
class SlotProbe : public QMainWindow {
    Q_OBJECT

public:
    int wxChanges = 0;
    int exitTriggers = 0;
    int ellipsoidToggles = 0;

private slots:
    void on_WX_valueChanged(double) { ++wxChanges; }
    void on_actionE_xit_triggered() { ++exitTriggers; }
    void on_Ell_toggled(bool) { ++ellipsoidToggles; }
};

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // The form on its own
    void formObjectTypes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");

        const char *const actions[] = { "actionE_xit", "action_Info", "actionLoad_triangulated_OBJ",
            "actionLoad_texture", "actionLoad_settings_file", "actionExport_as_image",
            "actionBackground_color", "actionExport_lines_as_OBJ", "actionLine_width" };
        for (const char *name : actions)
            namedRow(name) << "QAction";
        for (const char *name : { "Ix", "Iy", "Iz", "WX", "WY", "WZ", "iterPerFrame", "speed" })
            namedRow(name) << "QDoubleSpinBox";
        for (const char *name : { "xb", "yb", "zb", "save", "delete_2", "pushButton" })
            namedRow(name) << "QPushButton";
        for (const char *name : { "Ell", "Draw" })
            namedRow(name) << "QCheckBox";
        for (const char *name : { "label", "label_2", "label_3", "label_4", "label_5", "label_6",
                 "label_7", "label_8", "label_9", "label_10", "label_11" })
            namedRow(name) << "QLabel";
        for (const char *name : { "line", "line_2", "line_3", "line_4", "line_5", "line_6" })
            namedRow(name) << "QFrame";
        for (const char *name : { "horizontalLayout", "horizontalLayout_2", "horizontalLayout_3",
                 "horizontalLayout_4", "horizontalLayout_5", "horizontalLayout_6",
                 "horizontalLayout_7", "horizontalLayout_8", "horizontalLayout_9",
                 "horizontalLayout_10", "horizontalLayout_11", "horizontalLayout_12",
                 "horizontalLayout_13", "horizontalLayout_14" })
            namedRow(name) << "QHBoxLayout";
        for (const char *name :
            { "verticalLayout", "verticalLayout_2", "verticalLayout_3", "verticalLayout_6" })
            namedRow(name) << "QVBoxLayout";
        namedRow("Settings") << "QComboBox";
        namedRow("centralWidget") << "QWidget";
        namedRow("menuBar") << "QMenuBar";
        for (const char *name : { "menu_File", "menuSettings", "menuHelp" })
            namedRow(name) << "QMenu";
        namedRow("statusBar") << "QStatusBar";
    }
    void formObjectTypes()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        PlainForm form;
        QObject *object = form.find<QObject>(name);
        QVERIFY(object);
        QCOMPARE(QString(object->metaObject()->className()), className);
    }
    void spinBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SpinBoxSetup>("setup");

        const auto minimum = QSizePolicy::Minimum;
        const auto fixed = QSizePolicy::Fixed;
        namedRow("Ix") << SpinBoxSetup { 6, 0, 1e9, 0.1, 1, 100, minimum };
        namedRow("Iy") << SpinBoxSetup { 6, 0, 1e9, 0.1, 1, 100, minimum };
        namedRow("Iz") << SpinBoxSetup { 6, 0, 1e9, 0.1, 1, 100, minimum };
        namedRow("WX") << SpinBoxSetup { 6, -500, 500, 0.1, 0.0025, 100, fixed };
        namedRow("WY") << SpinBoxSetup { 6, -500, 500, 0.1, 0.5, 100, fixed };
        namedRow("WZ") << SpinBoxSetup { 6, -500, 500, 0.1, 0.0025, 100, fixed };
        namedRow("iterPerFrame") << SpinBoxSetup { 0, 1, 1e6, 1, 10, 70, fixed };
        namedRow("speed") << SpinBoxSetup { 3, -9999.99, 9999.99, 1, 1, 100, fixed };
    }
    void spinBoxes()
    {
        QFETCH(QString, name);
        QFETCH(SpinBoxSetup, setup);

        PlainForm form;
        auto *box = form.find<QDoubleSpinBox>(name);
        QVERIFY(box);
        QCOMPARE(box->decimals(), setup.decimals);
        QCOMPARE(box->minimum(), setup.minimum);
        QCOMPARE(box->maximum(), setup.maximum);
        QCOMPARE(box->singleStep(), setup.step);
        QCOMPARE(box->value(), setup.initial);
        QCOMPARE(box->maximumWidth(), setup.maxWidth);
        QCOMPARE(box->maximumHeight(), 16777215);
        QCOMPARE(box->sizePolicy().horizontalPolicy(), setup.horizontalPolicy);
        QCOMPARE(box->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        // Set explicitly on the moments; a spin box's own default for the others.
        QVERIFY(box->inputMethodHints().testFlag(Qt::ImhFormattedNumbersOnly));

        // Out-of-range input is clamped to the limits.
        box->setValue(setup.maximum * 2 + 1);
        QCOMPARE(box->value(), setup.maximum);
        box->setValue(setup.minimum * 2 - 1);
        QCOMPARE(box->value(), setup.minimum);
    }
    void checkables_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checked");
        namedRow("Ell") << true;
        namedRow("Draw") << false;
        namedRow("xb") << true;
        namedRow("yb") << true;
        namedRow("zb") << true;
    }
    void checkables()
    {
        QFETCH(QString, name);
        QFETCH(bool, checked);
        PlainForm form;
        auto *button = form.find<QAbstractButton>(name);
        QVERIFY(button);
        QVERIFY(button->isCheckable());
        QCOMPARE(button->isChecked(), checked);
    }
    void widgetTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("expected");

        QTest::newRow("window title") << "MainWindowClass" << QByteArray("windowTitle") << "Vorlix";
        namedRow("Ell") << QByteArray("text") << "Poinsot's ellipsoid";
        namedRow("Draw") << QByteArray("text") << "Draw lines";
        namedRow("xb") << QByteArray("text") << "X";
        namedRow("yb") << QByteArray("text") << "Y";
        namedRow("zb") << QByteArray("text") << "Z";
        namedRow("save") << QByteArray("text") << "+";
        QTest::newRow("delete_2 is an en dash")
            << "delete_2" << QByteArray("text") << QString(QChar(0x2013));
        namedRow("pushButton") << QByteArray("text") << "Start";
        QTest::newRow("save tool tip") << "save" << QByteArray("toolTip") << "save settings";
        QTest::newRow("delete_2 tool tip")
            << "delete_2" << QByteArray("toolTip") << "delete settings";
        namedRow("menu_File") << QByteArray("title") << "&File";
        namedRow("menuSettings") << QByteArray("title") << "Settings";
        namedRow("menuHelp") << QByteArray("title") << "Help";
    }
    void widgetTexts()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QString, expected);
        PlainForm form;
        QObject *object
            = name == form.window.objectName() ? &form.window : form.find<QObject>(name);
        QVERIFY(object);
        QCOMPARE(object->property(property.constData()).toString(), expected);
    }
    void richTextLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("visibleText");
        QTest::addColumn<bool>("subscript");

        namedRow("label_7") << "Principal moments of inertia" << false;
        namedRow("label_2") << "Angular velocity, rad/s" << false;
        namedRow("label") << "Settings" << false;
        namedRow("label_11") << "Iterations/frame" << false;
        namedRow("label_6") << "Speed" << false;
        namedRow("label_8") << "IX" << true;
        namedRow("label_9") << "IY" << true;
        namedRow("label_10") << "IZ" << true;
        const QString omega(QChar(0x03C9));
        namedRow("label_3") << omega + "X" << true;
        namedRow("label_4") << omega + "Y" << true;
        namedRow("label_5") << omega + "Z" << true;
    }
    void richTextLabels()
    {
        QFETCH(QString, name);
        QFETCH(QString, visibleText);
        QFETCH(bool, subscript);
        PlainForm form;
        auto *label = form.find<QLabel>(name);
        QVERIFY(label);
        QVERIFY(Qt::mightBeRichText(label->text()));
        QCOMPARE(plainText(label->text()), visibleText);
        QCOMPARE(label->text().contains("vertical-align:sub"), subscript);
    }
    void actions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");

        namedRow("actionE_xit") << "E&xit" << QKeySequence("Ctrl+Q");
        namedRow("action_Info") << "&Info" << QKeySequence("F1");
        namedRow("actionLoad_triangulated_OBJ")
            << "Load triangulated OBJ..." << QKeySequence("Ctrl+O");
        QTest::newRow("actionLoad_texture keeps its trailing blank")
            << "actionLoad_texture"
            << "Load texture... " << QKeySequence("Ctrl+P");
        namedRow("actionLoad_settings_file") << "Load settings file..." << QKeySequence("Ctrl+I");
        namedRow("actionExport_as_image") << "Export as image..." << QKeySequence("Ctrl+E");
        namedRow("actionBackground_color") << "Background color..." << QKeySequence();
        namedRow("actionExport_lines_as_OBJ") << "Export lines as OBJ..." << QKeySequence();
        namedRow("actionLine_width") << "Line width..." << QKeySequence();
    }
    void actions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QKeySequence, shortcut);
        PlainForm form;
        auto *action = form.find<QAction>(name);
        QVERIFY(action);
        QCOMPARE(action->parent(), &form.window);
        QCOMPARE(action->text(), text);
        QCOMPARE(action->shortcut(), shortcut);
        QVERIFY(action->isEnabled());
    }
    void menus()
    {
        PlainForm form;
        QStringList bar;
        for (QAction *action : form.ui.menuBar->actions())
            bar << action->menu()->objectName();
        QCOMPARE(bar, QStringList({ "menu_File", "menuSettings", "menuPhysics", "menuHelp" }));

        QCOMPARE(entriesOf(form.ui.menu_File),
            QStringList({ "actionLoad_triangulated_OBJ", "actionLoad_texture", "|",
                "actionExport_as_image", "actionExport_video", "actionExport_data",
                "actionExport_lines_as_OBJ", "|", "actionE_xit" }));
        QCOMPARE(entriesOf(form.ui.menuSettings),
            QStringList({ "actionBackground_color", "actionLine_width", "actionLoad_settings_file",
                "actionRestore_previous_presets" }));
        QCOMPARE(entriesOf(form.ui.menuHelp), QStringList({ "action_Info" }));
        QCOMPARE(entriesOf(form.ui.menuPhysics),
            QStringList({ "actionPhysics_readout", "|", "actionAngular_momentum",
                "actionAngular_velocity", "actionPolhode", "actionInvariable_plane",
                "actionPolhode_family", "actionBody_and_space_cones", "actionLook_along_L",
                "actionRide_with_body", "actionExact_ghost", "|", "actionRestart_from_the_panel",
                "actionMoments_from_body" }));
        QVERIFY(form.ui.actionE_xit->isIconVisibleInMenu());
        QCOMPARE(form.window.menuBar(), form.ui.menuBar);
        QCOMPARE(form.window.statusBar(), form.ui.statusBar);
    }
    void panelGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QSize>("maximum");
        QTest::addColumn<QSizePolicy::Policy>("horizontalPolicy");
        QTest::addColumn<QSizePolicy::Policy>("verticalPolicy");
        QTest::addColumn<int>("fontWeight");

        const int unlimited = 16777215;
        const auto fixed = QSizePolicy::Fixed;
        const auto preferred = QSizePolicy::Preferred;
        const int normal = QFont::Normal;
        const int bold = QFont::Bold;
        namedRow("xb") << QSize(0, 0) << QSize(30, unlimited) << fixed << fixed << normal;
        namedRow("yb") << QSize(0, 0) << QSize(30, unlimited) << fixed << fixed << normal;
        QTest::newRow("zb keeps the default policy") << "zb" << QSize(0, 0) << QSize(30, unlimited)
                                                     << QSizePolicy::Minimum << fixed << normal;
        namedRow("save") << QSize(20, 0) << QSize(20, unlimited) << fixed << fixed << bold;
        namedRow("delete_2") << QSize(20, 0) << QSize(20, unlimited) << fixed << fixed << bold;
        namedRow("pushButton") << QSize(0, 0) << QSize(unlimited, unlimited) << fixed << fixed
                               << bold;
        for (const char *name : { "label_8", "label_9", "label_10", "label_3", "label_4", "label_5",
                 "label_11", "label_6" })
            namedRow(name) << QSize(0, 0) << QSize(unlimited, unlimited) << fixed << preferred
                           << normal;
    }
    void panelGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QSize, minimum);
        QFETCH(QSize, maximum);
        QFETCH(QSizePolicy::Policy, horizontalPolicy);
        QFETCH(QSizePolicy::Policy, verticalPolicy);
        QFETCH(int, fontWeight);
        PlainForm form;
        auto *widget = form.find<QWidget>(name);
        QVERIFY(widget);
        QCOMPARE(widget->minimumSize(), minimum);
        QCOMPARE(widget->maximumSize(), maximum);
        QCOMPARE(widget->sizePolicy().horizontalPolicy(), horizontalPolicy);
        QCOMPARE(widget->sizePolicy().verticalPolicy(), verticalPolicy);
        QCOMPARE(widget->font().weight(), fontWeight);
    }
    void layoutSpacing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("spacing");
        namedRow("horizontalLayout_13") << 6;
        QTest::newRow("verticalLayout_2 holds the view tightly") << "verticalLayout_2" << 0;
        namedRow("verticalLayout_3") << 6;
        QTest::newRow("horizontalLayout_9 packs the preset row") << "horizontalLayout_9" << 1;
        namedRow("horizontalLayout_14") << 6;
    }
    void layoutSpacing()
    {
        QFETCH(QString, name);
        QFETCH(int, spacing);
        PlainForm form;
        auto *layout = form.find<QLayout>(name);
        QVERIFY(layout);
        QCOMPARE(layout->spacing(), spacing);
    }
    void settingsBox()
    {
        PlainForm form;
        QComboBox *box = form.ui.Settings;
        QVERIFY(box->isEditable());
        QCOMPARE(box->insertPolicy(), QComboBox::InsertAtBottom);
        QCOMPARE(box->count(), 0);
        QCOMPARE(box->font().pointSize(), 8);
        QCOMPARE(box->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
        QCOMPARE(box->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

        QCOMPARE(form.ui.verticalLayout_2->sizeConstraint(), QLayout::SetNoConstraint);
        QCOMPARE(form.ui.horizontalLayout_13->contentsMargins(), QMargins(11, 11, 11, 11));
        QCOMPARE(form.ui.label_2->layoutDirection(), Qt::RightToLeft);
        QVERIFY(!form.ui.pushButton->autoDefault());
        QVERIFY(!form.ui.pushButton->isDefault());
        QVERIFY(!form.ui.pushButton->isFlat());
        for (QLabel *label : { form.ui.label_8, form.ui.label_9, form.ui.label_10, form.ui.label_3,
                 form.ui.label_4, form.ui.label_5 })
            QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    }
    void windowNameAndSize()
    {
        PlainForm form;
        QCOMPARE(form.window.objectName(), QString("MainWindowClass"));
        QCOMPARE(form.window.size(), QSize(775, 627));
        QCOMPARE(form.ui.menuBar->geometry(), QRect(0, 0, 775, 24));
        QCOMPARE(form.window.centralWidget(), form.ui.centralWidget);

        const Fixture f;
        QCOMPARE(f.window.objectName(), QString("MainWindowClass"));
        QCOMPARE(f.window.size(), QSize(775, 627));
    }
    void existingWindowNameIsKept()
    {
        QMainWindow window;
        window.setObjectName("named before");
        Ui_MainWindowClass ui;
        ui.setupUi(&window);
        QCOMPARE(window.objectName(), QString("named before"));
    }
    void slotsAreConnectedLast()
    {
        SlotProbe probe;
        Ui_MainWindowClass ui;
        ui.setupUi(&probe);
        // The initial values and check states were set before the connections were made.
        QCOMPARE(probe.wxChanges, 0);
        QCOMPARE(probe.ellipsoidToggles, 0);

        ui.WX->setValue(1.5);
        ui.Ell->setChecked(false);
        ui.actionE_xit->trigger();
        QCOMPARE(probe.wxChanges, 1);
        QCOMPARE(probe.ellipsoidToggles, 1);
        QCOMPARE(probe.exitTriggers, 1);
    }

    // The main window feeding the simulation
    void constructedIdle()
    {
        Fixture f;
        QVERIFY(f.window.fpsTimer);
        QVERIFY(!f.window.fpsTimer->isActive());
        QVERIFY(!f.view()->timer->isActive());
        QCOMPARE(f.view()->pauseState, 0);
        QCOMPARE(f.ui().pushButton->text(), QString("Start"));
        QCOMPARE(f.ui().pushButton->styleSheet(), QString(greenStyle));
        QVERIFY(f.ui().verticalLayout_2->indexOf(f.view()) >= 0);

        // The panel as it stands (the form's or the first preset's) is in the view.
        QCOMPARE(f.view()->inertiaX, f.ui().Ix->value());
        QCOMPARE(f.view()->speed, f.ui().speed->value());
        QCOMPARE(f.view()->omegaY, f.ui().WY->value() * f.ui().speed->value());
        QCOMPARE(f.view()->iterPerFrame, int(f.ui().iterPerFrame->value()));
        QCOMPARE(f.view()->showEllipsoid, f.ui().Ell->isChecked());
    }
    void speedRescalesEvolvedOmega_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("2 to 4 doubles") << 2.0 << 4.0;
        QTest::newRow("2 to -1 reverses and halves") << 2.0 << -1.0;
        QTest::newRow("0.5 to 1.5 triples") << 0.5 << 1.5;
        QTest::newRow("2 to 0 stops") << 2.0 << 0.0;
    }
    void speedRescalesEvolvedOmega()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        Fixture f;
        Panel panel;
        panel.speed = from;
        f.setPanel(panel);
        f.tick(5);
        const vorlix::Vector3 evolved = f.omega();
        QVERIFY(!closeTo(evolved.x, panel.omega.x * from));

        f.ui().speed->setValue(to);

        const double factor = to / from;
        compareOmegaClose(f.view(), factor * evolved);
        QCOMPARE(f.view()->speed, to);
    }
    void speedFromZeroReloadsPanel_data()
    {
        QTest::addColumn<double>("to");
        QTest::newRow("0 to 3") << 3.0;
        QTest::newRow("0 to -2") << -2.0;
    }
    void speedFromZeroReloadsPanel()
    {
        QFETCH(double, to);
        Fixture f;
        f.setPanel();
        f.tick(5);
        f.ui().speed->setValue(0);
        f.compareOmega({ 0, 0, 0 });
        f.tick(2);

        f.ui().speed->setValue(to);

        compareOmegaClose(f.view(),
            to * vorlix::Vector3 { f.ui().WX->value(), f.ui().WY->value(), f.ui().WZ->value() });
        QCOMPARE(f.view()->speed, to);
    }
    void oneComponentAlone_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("component");
        namedRow("WX") << 0;
        namedRow("WY") << 1;
        namedRow("WZ") << 2;
    }
    void oneComponentAlone()
    {
        QFETCH(QString, box);
        QFETCH(int, component);
        Fixture f;
        f.setPanel();
        f.tick(5);
        const double before[3] = { f.view()->omegaX, f.view()->omegaY, f.view()->omegaZ };

        f.window.findChild<QDoubleSpinBox *>(box)->setValue(-1.25);

        const double after[3] = { f.view()->omegaX, f.view()->omegaY, f.view()->omegaZ };
        for (int i = 0; i < 3; ++i)
            QCOMPARE(after[i], i == component ? f.view()->speed * -1.25 : before[i]);
    }
    void momentChangeReloadsPanel_data() { addMomentRows({ 4, 2, 3 }, { 1, 0.5, 3 }, { 1, 2, 2 }); }
    void momentChangeReloadsPanel()
    {
        QFETCH(QString, box);
        QFETCH(vorlix::Vector3, moments);
        Fixture f;
        const Panel panel;
        f.setPanel(panel);
        f.tick(5);
        const vorlix::Matrix4 orientation = f.view()->orientationMatrix;
        QVERIFY(orientation != vorlix::identityMatrix());
        QVERIFY(!closeTo(f.view()->omegaX, panel.omega.x * panel.speed));

        auto *changed = f.window.findChild<QDoubleSpinBox *>(box);
        changed->setValue(box == "Ix" ? moments.x : box == "Iy" ? moments.y : moments.z);

        QCOMPARE(f.view()->inertiaX, moments.x);
        QCOMPARE(f.view()->inertiaY, moments.y);
        QCOMPARE(f.view()->inertiaZ, moments.z);
        const vorlix::Vector3 c { (moments.z - moments.y) / moments.x,
            (moments.x - moments.z) / moments.y, (moments.y - moments.x) / moments.z };
        compareCoefficientsClose(f.view(), c);
        compareOmegaClose(f.view(), panel.speed * panel.omega);
        QCOMPARE(f.view()->inertiaMin, std::min({ moments.x, moments.y, moments.z }));
        QVERIFY(f.view()->orientationMatrix == orientation);
    }
    void iterationsTruncate_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("subSteps");
        QTest::newRow("2.9 gives 2") << 2.9 << 2;
        QTest::newRow("whole number") << 1.0 << 1;
        QTest::newRow("the form's maximum") << 1e6 << 1000000;
        QTest::newRow("below one gives none") << 0.5 << 0;
        QTest::newRow("negative truncates toward zero") << -2.7 << -2;
    }
    void iterationsTruncate()
    {
        QFETCH(double, value);
        QFETCH(int, subSteps);
        Fixture f;
        f.setPanel();
        // The box shows whole numbers only, so the fraction arrives by the signal itself.
        emit f.ui().iterPerFrame->valueChanged(value);
        QCOMPARE(f.view()->iterPerFrame, subSteps);

        vorlix::RigidBodyState reference;
        reference.coefficients
            = { f.view()->eulerCoefX, f.view()->eulerCoefY, f.view()->eulerCoefZ };
        reference.omega = f.omega();
        reference.orientation = f.view()->orientationMatrix;
        vorlix::integrateFrame(reference, f.view()->timePerFrame, subSteps);
        f.tick();
        f.compareOmega(reference.omega);
        QVERIFY(f.view()->orientationMatrix == reference.orientation);
    }
    void noStepsBelowOne_data()
    {
        QTest::addColumn<int>("subSteps");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -3;
    }
    void noStepsBelowOne()
    {
        QFETCH(int, subSteps);
        Fixture f;
        f.setPanel();
        f.tick(2);
        f.view()->iterPerFrame = subSteps;
        const vorlix::Vector3 omega = f.omega();
        const vorlix::Vector3 increment { f.view()->deltaOmegaX, f.view()->deltaOmegaY,
            f.view()->deltaOmegaZ };
        const vorlix::Matrix4 orientation = f.view()->orientationMatrix;
        const int frames = f.view()->frameCounter;

        f.tick();

        QCOMPARE(f.view()->frameCounter, frames + 1);
        f.compareOmega(omega);
        QCOMPARE(f.view()->deltaOmegaX, increment.x);
        QCOMPARE(f.view()->deltaOmegaY, increment.y);
        QCOMPARE(f.view()->deltaOmegaZ, increment.z);
        QVERIFY(f.view()->orientationMatrix == orientation);
    }
    void frameCounterCountsCalls_data()
    {
        QTest::addColumn<int>("subSteps");
        QTest::addColumn<int>("calls");
        QTest::newRow("one sub-step, one call") << 1 << 1;
        QTest::newRow("many sub-steps, three calls") << 250 << 3;
        QTest::newRow("no sub-steps, four calls") << 0 << 4;
    }
    void frameCounterCountsCalls()
    {
        QFETCH(int, subSteps);
        QFETCH(int, calls);
        Fixture f;
        f.setPanel();
        f.view()->iterPerFrame = subSteps;
        f.view()->frameCounter = 7;
        f.tick(calls);
        QCOMPARE(f.view()->frameCounter, 7 + calls);
    }
    void startStop_data()
    {
        QTest::addColumn<Running>("before");
        QTest::addColumn<Running>("after");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("panelReloaded");

        const Running stopped { false, false, 0 }, running { true, true, 0 };
        QTest::newRow("start") << stopped << running << "Stop" << orangeStyle << true;
        QTest::newRow("start with a key resume not yet seen")
            << Running { false, false, 2 } << Running { true, true, 2 } << "Stop" << orangeStyle
            << true;
        QTest::newRow("stop") << running << stopped << "Start" << greenStyle << false;
        QTest::newRow("stop with a key resume not yet seen")
            << Running { true, true, 2 } << Running { false, false, 2 } << "Start" << greenStyle
            << false;
        QTest::newRow("resume a key pause, readout untouched")
            << Running { false, true, 1 } << running << "Stop" << orangeStyle << false;
        QTest::newRow("resume a key pause, stopped readout stays stopped")
            << Running { false, false, 1 } << Running { true, false, 0 } << "Stop" << orangeStyle
            << false;
    }
    void startStop()
    {
        QFETCH(Running, before);
        QFETCH(Running, after);
        QFETCH(QString, text);
        QFETCH(QString, style);
        QFETCH(bool, panelReloaded);

        Fixture f;
        f.setPanel();
        if (before.view)
            f.view()->animate();
        if (before.readout)
            f.window.fpsTimer->start(1000);
        f.view()->pauseState = before.pauseState;
        // Marks that only a reload of the panel overwrites, and an earlier status message.
        f.view()->inertiaX = -1;
        f.view()->omegaY = 1234;
        f.window.messageLabel->setText("earlier message");

        f.ui().pushButton->click();

        QCOMPARE(f.view()->timer->isActive(), after.view);
        if (after.view)
            QCOMPARE(f.view()->timer->interval(), 4);
        QCOMPARE(f.window.fpsTimer->isActive(), after.readout);
        if (after.readout)
            QCOMPARE(f.window.fpsTimer->interval(), 1000);
        QCOMPARE(f.view()->pauseState, after.pauseState);
        QCOMPARE(f.ui().pushButton->text(), text);
        QCOMPARE(f.ui().pushButton->styleSheet(), style);
        QCOMPARE(f.view()->inertiaX, panelReloaded ? f.ui().Ix->value() : -1.0);
        QCOMPARE(
            f.view()->omegaY, panelReloaded ? f.ui().WY->value() * f.ui().speed->value() : 1234.0);
        QCOMPARE(
            f.window.messageLabel->text(), panelReloaded ? QString() : QString("earlier message"));
    }
    void languageChangeRetranslates()
    {
        Fixture f;
        f.ui().pushButton->click();
        QCOMPARE(f.ui().pushButton->text(), QString("Stop"));
        f.window.setWindowTitle("elsewhere");

        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&f.window, &change);

        QCOMPARE(f.ui().pushButton->text(), QString("Start"));
        QCOMPARE(f.window.windowTitle(), QString("Vorlix"));
        // The run state itself is untouched.
        QVERIFY(f.view()->timer->isActive());
        QCOMPARE(f.ui().pushButton->styleSheet(), QString(orangeStyle));
    }
    void zeroMomentPropagates_data() { addMomentRows({ 0, 2, 3 }, { 1, 0, 3 }, { 1, 2, 0 }); }
    void zeroMomentPropagates()
    {
        QFETCH(QString, box);
        QFETCH(vorlix::Vector3, moments);
        Fixture f;
        const Panel panel;
        f.setPanel(panel);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        auto *changed = f.window.findChild<QDoubleSpinBox *>(box);
        const double original = changed->value();

        changed->setValue(0);
        QVERIFY(!std::isfinite(f.view()->eulerCoefX) || !std::isfinite(f.view()->eulerCoefY)
            || !std::isfinite(f.view()->eulerCoefZ));
        QCOMPARE(f.view()->inertiaX, moments.x);
        f.tick(3);
        // The first tick stops the run on the last finite state, and names the zero moment.
        QVERIFY(vorlix::isFinite(f.omega()) && allFinite(f.view()->orientationMatrix));
        QVERIFY(f.window.messageLabel->text().contains("must be positive: " + box + " = 0"));
        QTest::qWait(20);

        changed->setValue(original);
        compareCoefficientsClose(f.view(), { 1.0, -1.0, 1.0 / 3 });
        compareOmegaClose(f.view(), panel.speed * panel.omega);
        QVERIFY(allFinite(f.view()->orientationMatrix));
    }
    void unshownViewDeletesNoLists()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        GLWidget &shown = *f.view();
        shown.makeCurrent();
        QVERIFY(glIsList(shown.bodyList));
        QVERIFY(glIsList(shown.arrowList));
        QVERIFY(glIsList(shown.ellipsoidList));
        while (glGetError() != GL_NO_ERROR) { }

        // A view that never initialised has no lists and must make no GL call on its way
        // out: neither delete names from the current context nor make another one current,
        // since the shown view's GL calls outside painting rely on its context staying current.
        delete new GLWidget("cylinder.obj", QString());

        QCOMPARE(QOpenGLContext::currentContext(), shown.context());
        shown.makeCurrent();
        QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
        QVERIFY(glIsList(shown.bodyList));
        QVERIFY(glIsList(shown.arrowList));
        QVERIFY(glIsList(shown.ellipsoidList));
    }
    void pointUnderDecimalComma()
    {
        const auto restore = qScopeGuard([previous = QLocale()] { QLocale::setDefault(previous); });
        QLocale::setDefault(QLocale("ru_RU"));
        Fixture f;
        f.ui().Ix->clear();
        QTest::keyClicks(f.ui().Ix, "2.5");
        QCOMPARE(f.ui().Ix->value(), 2.5);
    }
    void divergenceStops()
    {
        Fixture f;
        // The flip at a step far too large for explicit Euler.
        f.setPanel({ { 1, 2, 3 }, { 0.05, 4, 0.05 }, 30, 1 });
        f.ui().pushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(f.ui().pushButton->text(), QString("Start"), 20000);
        QVERIFY(f.window.messageLabel->text().endsWith(
            "the step is too large: lower the speed or raise Iterations/frame</small>"));
        f.ui().pushButton->click();
        QCOMPARE(f.view()->orientationMatrix, vorlix::identityMatrix());
        QCOMPARE(f.view()->omegaY, 4.0 * 30);
    }
};

QTEST_MAIN(TestMainWindow)

#include "tst_mainwindow.moc"
