// Start-up to the first painted main window, on the offscreen platform.
//
// The parent starts this program again as a child several times and times each child from its
// launch until the child reports the first paint of the main window, so the figure includes process
// start, dynamic loading, the settings, the document with its default image and the 124 list rows.
#include "app/tone_player.h"
#include "app/zql52_app.h"
#include "settings/qt_settings_store.h"
#include "ui/main_frame.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr const char* kChildFlag = "--child";
constexpr const char* kPaintedLine = "painted";

class CFirstPaintProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::puts(kPaintedLine);
            std::fflush(stdout);
            QApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int RunChild(int argc, char** argv, const QString& folder)
{
    QApplication application(argc, argv);
    CNullTonePlayer silence;
    CZQL52App::SOptions options;
    options.settingsFile = QDir(folder).filePath(QStringLiteral("ZQ-L52.conf"));
    options.lockDirectory = folder;
    options.tones = &silence;
    options.handleTerminationSignals = false;
    {
        CQtSettingsStore store(options.settingsFile);
        store.SetInt("SetupInfo", "0000", 1);
        store.SetInt("SetupInfo", "0003", 2);
    }
    CZQL52App app(options);
    CFirstPaintProbe probe;
    application.installEventFilter(&probe);
    if (!app.InitInstance({QApplication::applicationFilePath()})) {
        return 2;
    }
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && qstrcmp(argv[1], kChildFlag) == 0) {
        return RunChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication application(argc, argv);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QTemporaryDir folder;
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QString::fromLatin1(kChildFlag), folder.path()});
        QElapsedTimer timer;
        timer.start();
        child.start();
        bool painted = false;
        while (!painted && child.waitForReadyRead(30000)) {
            painted = child.readAll().contains(kPaintedLine);
        }
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        child.waitForFinished(30000);
        if (!painted) {
            std::fprintf(stderr, "startup: the child never painted its window\n");
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("StartupToFirstPaint  runs=%d  min=%.1f ms  median=%.1f ms  max=%.1f ms  (target 500 ms)\n",
                kRuns, times.front(), times[times.size() / 2], times.back());
    return 0;
}
