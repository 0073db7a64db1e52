#include "about.h"

#include "ui_about.h"

about::about(QWidget *parent) : QDialog(parent), aboutUi(new Ui_about)
{
    aboutUi->setupUi(this);
    setWindowTitle(tr("version: ") + "66.4");
}

about::~about()
{
    delete aboutUi;
}
