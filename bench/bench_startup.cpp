// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time of Tervalix to its first painted window, against a bare
// QMainWindow started the same way. Every run is a fresh process: this program
// launches itself with "--child tervalix" or "--child bare", and the child goes
// through the program's own start-up (identity, application object, catalogue
// chosen by "Language", main window constructed and shown), waits for the
// window's first expose to be painted and flushed, prints its time stamps and
// quits.
//
//   QT_QPA_PLATFORM=offscreen ./bench/bench_startup [runs]     (default 15)
//
// Launch to first frame is taken from the parent's clock reading just before
// the launch to the child's reading just after the first frame; both read the
// system-wide monotonic clock. Output: one line per figure,
//   STARTUP <key> <median ms> <min ms>
// on standard output, and a readable summary on standard error. The children
// keep their settings in a temporary folder; the user's own are not touched.

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include <memory>

#include "app/startup.h"
#include "gauge/qtsvgpixmapcache.h"
#include "mainwindow/frmprogpannel.h"

namespace {

// The size the designed main window opens at, given to the bare window too so
// that both first frames fill the same number of pixels.
constexpr int WindowWidth = 1075;
constexpr int WindowHeight = 640;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1.0e6;
}

// Delivers the first expose of `window` itself, so that the moment the widget
// tree has been painted into the backing store and flushed is known exactly.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget *window)
        : top(window)
    {
    }
    double doneMs = 0.0;
    int paints = 0;  // widget paint events up to the first frame

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (doneMs > 0.0)
            return false;
        if (event->type() == QEvent::Paint)
            ++paints;
        if (event->type() != QEvent::Expose || inExpose || watched != top->windowHandle()
            || !top->windowHandle()->isExposed())
            return false;
        inExpose = true;
        watched->event(event);  // QWidgetWindow paints and flushes the widget tree
        inExpose = false;
        doneMs = nowMs();
        QCoreApplication::quit();
        return true;
    }

private:
    QWidget *top;
    bool inExpose = false;
};

int runChild(int argc, char **argv, bool tervalix)
{
    const double entered = nowMs();
    Startup::setApplicationIdentity();
    QApplication app(argc, argv);
    const double appReady = nowMs();
    std::unique_ptr<Startup::Common> common;
    if (tervalix) {
        QtSvgPixmapCache::useUserCacheFolder();
        common = std::make_unique<Startup::Common>(app);
    }
    const double catalogue = nowMs();

    QMainWindow *window = nullptr;
    if (tervalix) {
        window = new frmProgPannel();
    } else {
        window = new QMainWindow();
        window->setWindowTitle(QStringLiteral("bare"));
        window->resize(WindowWidth, WindowHeight);
    }
    const double constructed = nowMs();

    FirstFrameWatch watch(window);
    app.installEventFilter(&watch);
    window->show();
    const double shown = nowMs();
    if (watch.doneMs == 0.0)  // the expose normally arrives through the event loop
        QApplication::exec();
    app.removeEventFilter(&watch);

    std::printf("CHILD entered=%.3f app=%.3f catalogue=%.3f constructed=%.3f shown=%.3f frame=%.3f paints=%d "
                "size=%dx%d\n",
                entered, appReady, catalogue, constructed, shown, watch.doneMs, watch.paints, window->width(),
                window->height());
    std::fflush(stdout);
    delete window;  // stops the worker threads
    return watch.doneMs > 0.0 ? 0 : 1;
}

struct Sample {
    double launchToFrame = 0;  // parent's launch to the child's first frame
    double launchToMain = 0;   // process creation, loader, static initialisation
    double appObject = 0;      // QApplication constructed (platform plugin loaded)
    double construct = 0;      // window constructor
    double showToFrame = 0;    // show() to the first frame painted and flushed
    int paints = 0;
};

bool parseChild(const QByteArray &out, double launched, Sample &s)
{
    const int at = out.indexOf("CHILD ");
    if (at < 0)
        return false;
    double entered = 0, app = 0, cat = 0, built = 0, shown = 0, frame = 0;
    int paints = 0, w = 0, h = 0;
    if (std::sscanf(out.constData() + at,
                    "CHILD entered=%lf app=%lf catalogue=%lf constructed=%lf shown=%lf frame=%lf paints=%d size=%dx%d",
                    &entered, &app, &cat, &built, &shown, &frame, &paints, &w, &h)
            != 9
        || frame <= 0.0)
        return false;
    s.launchToFrame = frame - launched;
    s.launchToMain = entered - launched;
    s.appObject = app - entered;
    s.construct = built - cat;
    s.showToFrame = frame - shown;
    s.paints = paints;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0.0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0);
}

double minimum(const std::vector<double> &v)
{
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

void print(const char *key, const std::vector<double> &v)
{
    std::printf("STARTUP %s %.2f %.2f\n", key, median(v), minimum(v));
    std::fprintf(stderr, "  %-26s median %8.2f ms   min %8.2f ms\n", key, median(v), minimum(v));
}

int runParent(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 15);
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());  // the children's settings
    env.remove(QStringLiteral("TERVALIX_SIMULATOR"));

    const char *kinds[2] = {"tervalix", "bare"};
    std::vector<Sample> samples[2];
    int failures = 0;
    // One unrecorded launch of each first (settings written, files cached),
    // then the two kinds alternate so that both see the same machine load.
    for (int i = -1; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            QProcess child;
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::SeparateChannels);
            const double launched = nowMs();
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--child"), QString::fromLatin1(kinds[k])});
            if (!child.waitForFinished(60000) || child.exitCode() != 0) {
                ++failures;
                std::fprintf(stderr, "%s child failed: %s\n", kinds[k], child.readAllStandardError().constData());
                continue;
            }
            Sample s;
            if (!parseChild(child.readAllStandardOutput(), launched, s)) {
                ++failures;
                continue;
            }
            if (i >= 0)
                samples[k].push_back(s);
        }
    }

    for (int k = 0; k < 2; ++k) {
        std::vector<double> frame, main, appObj, construct, showFrame;
        int paints = 0;
        for (const Sample &s : samples[k]) {
            frame.push_back(s.launchToFrame);
            main.push_back(s.launchToMain);
            appObj.push_back(s.appObject);
            construct.push_back(s.construct);
            showFrame.push_back(s.showToFrame);
            paints = s.paints;
        }
        std::fprintf(stderr, "%s: %zu runs, %d widget paints in the first frame\n", kinds[k], samples[k].size(),
                     paints);
        const QByteArray prefix = QByteArray(kinds[k]) + '.';
        print((prefix + "launch_to_first_frame").constData(), frame);
        print((prefix + "launch_to_main").constData(), main);
        print((prefix + "application_object").constData(), appObj);
        print((prefix + "window_construction").constData(), construct);
        print((prefix + "show_to_first_frame").constData(), showFrame);
    }
    std::printf("STARTUP runs %d %d\n", runs, failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, std::strcmp(argv[2], "tervalix") == 0);
    return runParent(argc, argv);
}
