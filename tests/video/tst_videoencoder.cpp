// SPDX-License-Identifier: GPL-3.0-or-later
#include "filmdecoder.h"
#include "syntheticframe.h"
#include "videoencoder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using vorlix::VideoEncoder;
using vorlix::VideoFormat;

Q_DECLARE_METATYPE(VideoFormat)

namespace {

/// Peak signal-to-noise ratio of `decoded` against `original` over the red, green and
/// blue samples, in dB.
double psnr(const QImage &original, const QImage &decoded)
{
    double squares = 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y);
            const QRgb b = decoded.pixel(x, y);
            for (int shift : { 0, 8, 16 }) {
                const int difference = int((a >> shift) & 0xff) - int((b >> shift) & 0xff);
                squares += difference * difference;
            }
        }
    }
    const double meanSquare = squares / (3.0 * original.width() * original.height());
    return 10 * std::log10(255.0 * 255.0 / meanSquare);
}

QByteArray writeFilm(const QString &target, int side, int fps, int frameCount)
{
    VideoEncoder encoder;
    QString error;
    bool written = encoder.open(target, side, fps, &error);
    for (int index = 0; written && index < frameCount; ++index)
        written = encoder.addFrame(syntheticFrame(side, index), &error);
    if (!written || !encoder.finish(&error))
        qWarning("%s", qPrintable(error));
    QFile film(target);
    return film.open(QIODevice::ReadOnly) ? film.readAll() : QByteArray();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestVideoEncoder : public QObject {
    Q_OBJECT

private slots:
    void filmDecodesToItsFrames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("side");
        QTest::addColumn<double>("minimumPsnr");
        QTest::newRow("mp4") << "film.mp4" << 256 << 30.0;
        QTest::newRow("webm") << "film.webm" << 256 << 30.0;
        QTest::newRow("gif, odd side") << "film.gif" << 255 << 25.0;
    }
    // Also: the same frames give the same bytes, and only the film is left in its folder.
    void filmDecodesToItsFrames()
    {
        QFETCH(QString, name);
        QFETCH(int, side);
        QFETCH(double, minimumPsnr);
        const int fps = 12;
        const int seconds = 2;
        QTemporaryDir folder;
        const QString target = folder.filePath(name);
        const QByteArray bytes = writeFilm(target, side, fps, seconds * fps);
        const DecodedFilm film = decodeFilm(target);
        QCOMPARE(film.frameCount, seconds * fps);
        QCOMPARE(film.firstFrame.size(), QSize(side, side));
        const double firstPsnr = psnr(syntheticFrame(side, 0), film.firstFrame);
        QVERIFY2(firstPsnr >= minimumPsnr, qPrintable(QString::number(firstPsnr)));
        QCOMPARE(entriesOf(folder.path()), QStringList { name });
        QCOMPARE(writeFilm(folder.filePath("again-" + name), side, fps, seconds * fps), bytes);
    }
    void cancelLeavesNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("mp4") << "film.mp4";
        QTest::newRow("webm") << "film.webm";
        QTest::newRow("gif") << "film.gif";
    }
    void cancelLeavesNoFile()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        VideoEncoder encoder;
        QString error;
        QVERIFY2(encoder.open(folder.filePath(name), 64, 10, &error), qPrintable(error));
        for (int index = 0; index < 30; ++index)
            QVERIFY(encoder.addFrame(syntheticFrame(64, index)));
        encoder.cancel();
        QVERIFY(!encoder.isOpen());
        QCOMPARE(entriesOf(folder.path()), QStringList());
        QVERIFY(!encoder.finish(&error));
        QCOMPARE(entriesOf(folder.path()), QStringList());
    }
    void fullDiskIsReported_data() { cancelLeavesNoFile_data(); }
    // A file size limit fails writes the way a full disk does, even for root.
    void fullDiskIsReported()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        rlimit limit {};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit small { 4096, limit.rlim_max };
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        VideoEncoder encoder;
        QString error;
        bool written = encoder.open(folder.filePath(name), 128, 10, &error);
        for (int index = 0; written && index < 30; ++index)
            written = encoder.addFrame(syntheticFrame(128, index), &error);
        written = encoder.finish(&error);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QVERIFY2(error.contains(folder.path()) && error.contains(std::strerror(EFBIG)),
            qPrintable(error));
        QCOMPARE(entriesOf(folder.path()), QStringList());
    }
    void unwritableFolderIsRefused_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing folder") << "missing";
        QTest::newRow("a file in place of the folder") << "file";
    }
    void unwritableFolderIsRefused()
    {
        QFETCH(QString, folder);
        QTemporaryDir parent;
        QFile file(parent.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        VideoEncoder encoder;
        QString error;
        QVERIFY(!encoder.open(parent.filePath(folder + "/film.mp4"), 64, 10, &error));
        QVERIFY2(error.contains(parent.filePath(folder)), qPrintable(error));
        QVERIFY(!encoder.addFrame(syntheticFrame(64, 0)));
        QCOMPARE(entriesOf(parent.path()), QStringList { "file" });
    }
    void nameGetsSuffixAndFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<VideoFormat>("format");
        QTest::newRow("no suffix")
            << QStringLiteral("orbit") << QStringLiteral("orbit.mp4") << VideoFormat::Mp4;
        QTest::newRow("other suffix")
            << QStringLiteral("orbit.avi") << QStringLiteral("orbit.avi.mp4") << VideoFormat::Mp4;
        QTest::newRow("webm, upper case")
            << QStringLiteral("orbit.WEBM") << QStringLiteral("orbit.WEBM") << VideoFormat::WebM;
        QTest::newRow("gif") << QStringLiteral("a.b/orbit.gif") << QStringLiteral("a.b/orbit.gif")
                             << VideoFormat::Gif;
    }
    void nameGetsSuffixAndFormat()
    {
        QFETCH(QString, name);
        QFETCH(QString, completed);
        QFETCH(VideoFormat, format);
        QCOMPARE(vorlix::withVideoSuffix(name), completed);
        QCOMPARE(vorlix::videoFormatForFileName(completed), format);
    }
};

QTEST_GUILESS_MAIN(TestVideoEncoder)
#include "tst_videoencoder.moc"
