// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_PHYSICSDOCK_H
#define VORLIX_PHYSICSDOCK_H

#include "omegahistory.h"
#include "physicsreadout.h"

#include <QDockWidget>
#include <memory>
#include <vector>

namespace Ui {
class PhysicsDock;
}
namespace vorlix {
class Stepper;
}

/// The physics readout: labels, the ω(t) plot and the choice of integrator. It shows
/// plain snapshots and never sees the view, which is replaced whenever a body is loaded.
class PhysicsDock : public QDockWidget {
    Q_OBJECT

public:
    explicit PhysicsDock(QWidget *parent);
    ~PhysicsDock() override;

    void showReadout(
        const vorlix::PhysicsReadout &readout, const std::vector<vorlix::OmegaSample> &samples);
    /// The running integrator's distance from the exact motion: the turn between the two
    /// orientations in degrees and |Δω|/|ω|.
    void showExactError(double angleDegrees, double relativeOmega);

    /// Seconds of ω the plot spans, and the points per curve it is thinned to (about one
    /// per pixel of a wide dock) so that a refresh stays cheap next to the simulation.
    static constexpr double plotSpan = 30;
    static constexpr int plotPoints = 600;

protected:
    void changeEvent(QEvent *event) override;

signals:
    /// Explicit Euler, the accurate stepper or the exact solution (exactSolution()).
    void stepperChosen(const vorlix::Stepper *stepper);

private slots:
    void on_integrator_currentIndexChanged(int index);

private:
    std::unique_ptr<Ui::PhysicsDock> ui;
    /// The chart's series and axes; their classes live in a namespace in Qt 5 only.
    struct Plot;
    std::unique_ptr<Plot> plot;
};

#endif
