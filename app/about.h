#ifndef VORLIX_ABOUT_H
#define VORLIX_ABOUT_H

#include <QDialog>

class Ui_about;

/// The Help menu's dialog: version, key help and Euler's equations. It is translated once,
/// when it is built.
class about : public QDialog {
    Q_OBJECT

public:
    explicit about(QWidget *parent = nullptr);
    ~about() override;

    Ui_about *aboutUi;
};

#endif
