// SPDX-License-Identifier: GPL-3.0-or-later
#include "elidedlabel.h"
#include "overlaycolours.h"
#include "testsupport.h"

#include <QComboBox>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtTest>
#include <algorithm>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
using namespace QtCharts;
#endif

namespace {
// I = (1, 2, 3); by default a steady spin about the largest axis.
void setPanel(Ui_MainWindowClass &ui, double speed, vorlix::Vector3 w = { 0.05, 0.05, 4 })
{
    for (auto [box, value] : { std::pair { ui.Ix, 1. }, { ui.Iy, 2. }, { ui.Iz, 3. },
             { ui.WX, w.x }, { ui.WY, w.y }, { ui.WZ, w.z }, { ui.speed, speed } })
        box->setValue(value);
}
double labelNumber(ShownWindow &w, const char *label, int field)
{
    w.trigger("actionPhysics_readout"), w.trigger("actionPhysics_readout"); // refreshes it
    const QString number = w.child<QLabel>(label)->text().section(' ', field, field);
    return QLocale().toDouble(number.endsWith(',') ? number.chopped(1) : number);
}
// Every way the user starts or changes the motion.
const std::pair<const char *, std::function<void(ShownWindow &)>> userChanges[] = {
    { "start from stopped", [](ShownWindow &w) { w.click("pushButton"), w.click("pushButton"); } },
    { "restart", [](ShownWindow &w) { w.trigger("actionRestart_from_the_panel"); } },
    { "ω edit", [](ShownWindow &w) { w.ui().WX->setValue(0.5); } },
    { "moment edit", [](ShownWindow &w) { w.ui().Ix->setValue(1.5); } },
    { "speed", [](ShownWindow &w) { w.ui().speed->setValue(7); } },
    { "iterations", [](ShownWindow &w) { w.ui().iterPerFrame->setValue(500); } },
    { "integrator", [](ShownWindow &w) { w.child<QComboBox>("integrator")->setCurrentIndex(1); } },
    { "preset", [](ShownWindow &w) { w.ui().Settings->setCurrentIndex(2); } },
    { "loaded body", [](ShownWindow &w) { w.ui().actionLoad_triangulated_OBJ->trigger(); } },
};
} // namespace

class TestExplainedRun : public QObject {
    Q_OBJECT
private slots:
    void readoutInThePanelsUnits_data()
    {
        QTest::addColumn<double>("speed"), QTest::addColumn<QLocale>("locale");
        QTest::newRow("Speed 1") << 1.0 << QLocale::c();
        QTest::newRow("Speed 30, decimal comma") << 30.0 << QLocale(QLocale::Russian);
    }
    void readoutInThePanelsUnits()
    {
        QFETCH(double, speed);
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const auto backToC = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        ShownWindow w;
        setPanel(w.ui(), speed);
        w.child<QComboBox>("integrator")->setCurrentIndex(1);
        w.click("pushButton");
        QTRY_VERIFY(w.view()->run->omegaHistory.recent(30, 600).size() > 5);
        w.click("pushButton");
        // T = ½ Σ I ω², |L| = |I ω| of the panel's ω, kept by the accurate scheme; 6 digits.
        QVERIFY(qAbs(labelNumber(w, "energyLabel", 2) / (0.5 * (0.0075 + 3 * 16)) - 1) < 1e-5);
        QVERIFY(qAbs(labelNumber(w, "momentumLabel", 2) / std::sqrt(0.0125 + 144) - 1) < 1e-5);
        auto *axis = qobject_cast<QValueAxis *>(
            w.child<QChartView>("omegaPlot")->chart()->axes(Qt::Vertical).first());
        QVERIFY2(axis->max() > 4 && axis->max() < 4.5, qPrintable(QString::number(axis->max())));
        QCOMPARE(w.child<QChartView>("omegaPlot")->chart()->locale(), locale);
        w.ui().Iz->setValue(3.5); // beyond Ix + Iy
        QVERIFY(
            labelNumber(w, "momentsLabel", 0) == 0 && !w.child<QLabel>("momentsLabel")->isHidden());
    }
    void driftReadsZeroAfterEachChange_data()
    {
        QTest::addColumn<int>("change");
        for (int i = 0; i < int(std::size(userChanges)); ++i)
            QTest::newRow(userChanges[i].first) << i;
    }
    void driftReadsZeroAfterEachChange()
    {
        QFETCH(int, change);
        const DialogScript script({ chooseFile("cylinder.obj") }); // for the body to load
        ShownWindow w;
        setPanel(w.ui(), 5, { 0.05, 4, 0.05 }); // the flip: explicit Euler's gain shows at once
        w.click("pushButton");
        QTRY_VERIFY(w.view()->run->simulatedTime > 0.2);
        QVERIFY(labelNumber(w, "driftLabel", 2) > 1e-6);
        userChanges[change].second(w);
        QVERIFY(labelNumber(w, "driftLabel", 2) == 0 && labelNumber(w, "driftLabel", 5) == 0);
    }
    void divergenceStopsWithItsCause_data()
    {
        QTest::addColumn<double>("ix"), QTest::addColumn<QString>("cause");
        QTest::newRow("zero moment: refused") << 0.0 << "must be positive: Ix = 0";
        QTest::newRow("too large a step") << 1.0 << "raise Iterations/frame";
    }
    void divergenceStopsWithItsCause()
    {
        QFETCH(double, ix);
        QFETCH(QString, cause);
        ShownWindow w;
        setPanel(w.ui(), 30, { 0.05, 4, 0.05 });
        w.ui().Ix->setValue(ix);
        w.ui().iterPerFrame->setValue(1);
        w.ui().Draw->setChecked(true);
        w.click("pushButton");
        QTRY_VERIFY_WITH_TIMEOUT(!w.view()->timer->isActive(), 20000);
        QVERIFY(w.window.messageLabel->text().contains(cause));
        const GLWidget &v = *w.view();
        const auto finite = [](double x) { return std::isfinite(x); };
        QVERIFY(std::all_of(v.xLines, v.xLines + v.xLinesIndex + 1, finite) && finite(v.omegaX)
            && vorlix::isFinite(v.orientationMatrix));
        QVERIFY(renderedFrame(w.view()) != QImage(w.view()->size(), QImage::Format_RGB32));
    }
    void legendNamesTheOverlaysInImagesToo()
    {
        ShownWindow w(QSize(900, 700));
        QVERIFY(w.exposed());
        setPanel(w.ui(), 1, { 3, 1.5, 1 }); // L along (1, 1, 1): its tip is behind the plane
        w.ui().Ell->setChecked(false);
        w.trigger("actionAngular_momentum");
        w.trigger("actionInvariable_plane");
        using OverlayColour::toQColor;
        const QColor l = toQColor(OverlayColour::momentum), h = toQColor(OverlayColour::herpolhode);
        const QRect corner(0, 0, 120, 60);
        const QImage frame = renderedFrame(w.view());
        QVERIFY(countColour(frame, corner, l) > 10 && countColour(frame, corner, h) > 10);
        const QImage image = w.view()->renderSquareImage(450);
        QVERIFY(countColour(image, corner.adjusted(0, 0, -60, -30), h) > 3);
        // The L arrow's tip, behind the plane, is not tinted by its veil.
        QVERIFY(showsNear(frame, framePixel(w.view(), 0.5, 0.5), l));
    }
    void messagesAndTheDockKeepTheViewsSize()
    {
        ShownWindow w;
        QVERIFY(w.exposed());
        const QSize view = w.view()->size();
        w.window.messageLabel->setText("<small>" + QString("long ").repeated(80) + "</small>");
        QTest::qWait(100);
        QCOMPARE(w.view()->size(), view);
        QVERIFY(static_cast<ElidedLabel *>(w.window.messageLabel)->shownText().endsWith("…"));
        w.ui().actionPhysics_readout->setChecked(true);
        QTRY_COMPARE(w.view()->size(), view);
        w.ui().actionPhysics_readout->setChecked(false);
        QTRY_COMPARE(w.view()->size(), view);
    }
};

QTEST_MAIN(TestExplainedRun)
#include "tst_explainedrun.moc"
