// SPDX-License-Identifier: GPL-3.0-or-later
#include "filmdecoder.h"
#include "testsupport.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QProgressDialog>
#include <QSpinBox>
#include <QtTest>

#include <cmath>

namespace {

constexpr double filmSeconds = 1;
constexpr int filmFps = 10;
constexpr int filmSide = 128;

/// Peak signal-to-noise ratio of b against a over the three colour channels, in dB.
double psnr(const QImage &a, const QImage &b)
{
    double squares = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : { qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q) })
                squares += double(d) * d;
        }
    const double mean = squares / (3.0 * a.width() * a.height());
    return mean == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mean);
}

DialogScript::Step chooseFilm()
{
    return answer<QDialog>([](QDialog *options) {
        options->findChild<QDoubleSpinBox *>("length")->setValue(filmSeconds);
        options->findChild<QSpinBox *>("fps")->setValue(filmFps);
        options->findChild<QSpinBox *>("size")->setValue(filmSide);
        options->accept();
    });
}

DialogScript::Step watchProgress(bool cancel)
{
    return answer<QProgressDialog>([cancel](QProgressDialog *progress) {
        if (cancel)
            progress->cancel();
    });
}

} // namespace

class TestVideoExport : public QObject {
    Q_OBJECT

private slots:
    void firstFrameIsTheImageExport_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("leastPsnr");
        QTest::newRow("mp4") << "flip.mp4" << 30.0;
        QTest::newRow("webm") << "flip.webm" << 30.0;
        QTest::newRow("gif") << "flip.gif" << 25.0;
    }
    void firstFrameIsTheImageExport()
    {
        QFETCH(QString, name);
        QFETCH(double, leastPsnr);
        ShownWindow w;
        QVERIFY(w.exposed());
        w.window.choosePreset("Intermediate axis flip");
        w.ui().Ell->setChecked(true);
        GLWidget *view = w.view();
        for (int i = 0; i < 100; ++i)
            view->advanceTick(0.004);
        const QImage still = view->renderSquareImage(filmSide);
        const double omegaY = view->omegaY, time = view->run->simulatedTime;
        const vorlix::Matrix4 orientation = view->orientationMatrix;
        const std::size_t recorded = view->run->record.size();

        const QString fileName = w.home.filePath(name);
        const DialogScript script({ chooseFilm(), chooseFile(fileName), watchProgress(false) });
        w.trigger("actionExport_video");

        const DecodedFilm film = decodeFilm(fileName);
        QCOMPARE(film.frameCount, int(filmSeconds * filmFps));
        QCOMPARE(film.firstFrame.size(), QSize(filmSide, filmSide));
        QVERIFY2(psnr(still, film.firstFrame) >= leastPsnr,
            qPrintable(QString::number(psnr(still, film.firstFrame))));
        // The live run is where it was.
        QCOMPARE(view->omegaY, omegaY);
        QCOMPARE(view->run->simulatedTime, time);
        QVERIFY(view->orientationMatrix == orientation);
        QCOMPARE(view->run->record.size(), recorded);
    }
    void cancelLeavesNoFile()
    {
        ShownWindow w;
        QVERIFY(w.exposed());
        const QString fileName = w.home.filePath("cancelled.mp4");
        const DialogScript script({ chooseFilm(), chooseFile(fileName), watchProgress(true) });
        w.trigger("actionExport_video");
        QCOMPARE(QDir(w.home.path()).entryList({ "*.mp4*", ".*.mp4*" }, QDir::Files | QDir::Hidden),
            QStringList());
    }
};

QTEST_MAIN(TestVideoExport)
#include "tst_videoexport.moc"
