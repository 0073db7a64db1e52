// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_PHYSICSDOCK_H
#define VORLIX_PHYSICSDOCK_H

#include "omegahistory.h"
#include "physicsreadout.h"

#include <QObject>
#include <vector>

class Ui_MainWindowClass;
namespace QtCharts {
class QLineSeries;
class QValueAxis;
}

/// Shows plain readout snapshots in the form's physics dock: the labels and the ω(t)
/// plot. It never sees the view, which is replaced whenever a body is loaded.
class PhysicsDock : public QObject {
    Q_OBJECT

public:
    PhysicsDock(Ui_MainWindowClass &ui, QObject *parent);

    void show(const vorlix::PhysicsReadout &readout, const std::vector<vorlix::OmegaSample> &samples);

    /// Seconds of ω the plot spans, and the points per curve it is thinned to (about one
    /// per pixel of a wide dock) so that a refresh stays cheap next to the simulation.
    static constexpr double plotSpan = 30;
    static constexpr int plotPoints = 600;

private:
    Ui_MainWindowClass &ui;
    QtCharts::QLineSeries *series[3];
    QtCharts::QValueAxis *timeAxis;
    QtCharts::QValueAxis *omegaAxis;
};

#endif
