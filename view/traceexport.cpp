#include "glwidget.h"

#include "traceexport.h"

#include <QMessageBox>
#include <QSaveFile>
#include <QtGlobal>

namespace {

vorlix::RecordedTrace recordedTrace(const double *buffer, int writeIndex, bool shown)
{
    // A missing buffer has recorded nothing, and no buffer holds more than its capacity.
    const int recorded = GLWidget::tracePointCount(writeIndex);
    return { buffer, buffer ? qBound(0, recorded, GLWidget::traceCapacity) : 0, shown };
}

} // namespace

void GLWidget::saveLineToOBJ(QString fileName)
{
    // The text goes to a file beside the target that replaces it only when complete: a
    // full disk leaves the previous file whole, and is reported.
    QSaveFile file(fileName);
    const bool saved = file.open(QIODevice::WriteOnly)
        && vorlix::writeTracesAsObj(&file, recordedTrace(xLines, xLinesIndex, drawXLines),
            recordedTrace(yLines, yLinesIndex, drawYLines),
            recordedTrace(zLines, zLinesIndex, drawZLines))
        && file.commit();
    if (!saved)
        QMessageBox::warning(nullptr, tr("Warning"), tr("Can't write to ") + fileName);
}
