// SPDX-License-Identifier: GPL-3.0-or-later
#include "physicsdock.h"

#include "accuratestepper.h"
#include "exactstepper.h"
#include "ui_physicsdock.h"

#include <QLocale>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <iterator>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
using namespace QtCharts;
#endif

struct PhysicsDock::Plot {
    QLineSeries *series[3];
    QValueAxis *timeAxis = new QValueAxis;
    QValueAxis *omegaAxis = new QValueAxis;
};

namespace {

// In the user's locale, as the panel's spin boxes show numbers.
QString number(double x)
{
    return QLocale().toString(x, 'g', 6);
}

QString exponent(double x)
{
    return QLocale().toString(x, 'e', 5);
}

} // namespace

PhysicsDock::PhysicsDock(QWidget *parent)
    : QDockWidget(parent), ui(new Ui::PhysicsDock), plot(new Plot)
{
    ui->setupUi(this);
    auto *chart = new QChart;
    QLineSeries **series = plot->series;
    QValueAxis *timeAxis = plot->timeAxis, *omegaAxis = plot->omegaAxis;
    // The status bar's colours for ωX, ωY and ωZ.
    const Qt::GlobalColor colours[3] = { Qt::red, Qt::darkGreen, Qt::blue };
    const char *const names[3] = { "ωX", "ωY", "ωZ" };
    timeAxis->setTitleText(tr("t, s"));
    omegaAxis->setTitleText(tr("ω, rad/s"));
    chart->addAxis(timeAxis, Qt::AlignBottom);
    chart->addAxis(omegaAxis, Qt::AlignLeft);
    for (int i = 0; i < 3; ++i) {
        series[i] = new QLineSeries;
        series[i]->setName(QString::fromUtf8(names[i]));
        series[i]->setColor(colours[i]);
        chart->addSeries(series[i]);
        series[i]->attachAxis(timeAxis);
        series[i]->attachAxis(omegaAxis);
    }
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setLocale(QLocale());
    chart->setLocalizeNumbers(true);
    chart->setMargins(QMargins(2, 2, 2, 2));
    // Made here rather than in the form: the chart classes' namespace differs between Qt
    // versions, and the form's generated code would name it.
    auto *view = new QChartView(chart, ui->physicsDockContents);
    view->setObjectName("omegaPlot");
    view->setMinimumSize(360, 180);
    view->setRenderHint(QPainter::Antialiasing);
    ui->physicsLayout->addWidget(view);
}

PhysicsDock::~PhysicsDock() = default;

void PhysicsDock::showReadout(
    const vorlix::PhysicsReadout &r, const std::vector<vorlix::OmegaSample> &samples)
{
    // At Speed 0 nothing moves, and the panel's motion cannot be told from the state.
    const QString none = QStringLiteral("–");
    ui->timeLabel->setText(tr("t = %1 s").arg(r.available ? number(r.time) : none));
    ui->energyLabel->setText(tr("T = %1").arg(r.available ? number(r.energy) : none));
    ui->momentumLabel->setText(tr("|L| = %1").arg(r.available ? number(r.momentum) : none));
    ui->driftLabel->setText(tr("ΔT/T = %1, Δ|L|/|L| = %2")
                                .arg(r.available ? exponent(r.energyDrift) : none,
                                    r.available ? exponent(r.momentumDrift) : none));
    ui->stepLabel->setText(
        tr("h = %1 s, |ω|·h = %2°").arg(number(r.subStep), number(r.turnPerSubStepDegrees)));
    ui->momentsLabel->setVisible(r.impossibleMoments);
    ui->momentsLabel->setText(
        tr("No rigid body has these moments: one exceeds the sum of the other two"));

    QVector<QPointF> points[3];
    double low = 0, high = 0;
    for (const vorlix::OmegaSample &s : samples) {
        const double w[3] = { s.omega.x, s.omega.y, s.omega.z };
        for (int i = 0; i < 3; ++i) {
            points[i].append(QPointF(s.time, w[i]));
            low = std::min(low, w[i]);
            high = std::max(high, w[i]);
        }
    }
    for (int i = 0; i < 3; ++i)
        plot->series[i]->replace(points[i]);
    // τ runs backwards at a negative Speed.
    const double first = samples.empty() ? 0 : samples.front().time;
    const double last = samples.empty() ? 0 : samples.back().time;
    const double early = std::min(first, last), late = std::max(first, last);
    plot->timeAxis->setRange(early, std::max(late, early + 1));
    const double margin = std::max(0.05 * (high - low), 1e-3);
    plot->omegaAxis->setRange(low - margin, high + margin);
}

void PhysicsDock::showExactError(double angleDegrees, double relativeOmega)
{
    ui->errorLabel->setText(
        tr("Error vs exact: θ = %1°, |Δω|/|ω| = %2")
            .arg(QString::number(angleDegrees, 'g', 3), QString::number(relativeOmega, 'g', 3)));
}

void PhysicsDock::changeEvent(QEvent *event)
{
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void PhysicsDock::on_integrator_currentIndexChanged(int index)
{
    const vorlix::Stepper *const steppers[]
        = { &vorlix::explicitEuler(), &vorlix::accurate(), &vorlix::exactSolution() };
    if (index >= 0 && index < int(std::size(steppers)))
        emit stepperChosen(steppers[index]);
}
