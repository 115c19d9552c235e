// Drives the real main window offscreen over a tree: "Scan Now", the longest stall of the event loop, the
// time to sort and show the rows, and the memory of the result list.
//
// Usage: window_bench TREE [DAYS]      (bench/window.sh builds and runs it)
// The current folder is the program folder (settings, "VorlexFiles.csv", "VorlexActivity.rtf").
// VORLEX_CLOCK_SHIFT shifts the window's clock (it links the clock of the program's test build), so a tree
// written a moment ago can be "old".
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "gui/MainWindow.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "platform/Time.h"
#include "report/CsvWriter.h"
#include "scan/RowFormat.h"
#include "scan/RowOrder.h"
#include "ui/MessageBoxes.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

/// A field of /proc/self/status in KiB (VmRSS, VmHWM).
long StatusKiB(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
        }
    }
    return -1;
}

/// Records the gaps between ticks of a 5 ms timer: how long the event loop could not run.
class GapMonitor {
  public:
    void Start() {
        clock_.start();
        last_ = 0;
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    void Stop() { timer_.stop(); }
    void Tick() {
        const qint64 now = clock_.nsecsElapsed();
        const double gap = static_cast<double>(now - last_) / 1e6;
        if (gap > maxMs) {
            maxMs = gap;
            maxStartMs = static_cast<double>(last_) / 1e6;
        }
        over50 += gap > 50;
        over250 += gap > 250;
        over1000 += gap > 1000;
        ++ticks;
        last_ = now;
    }
    /// Milliseconds since Start.
    double NowMs() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }

    double maxMs = 0;
    double maxStartMs = 0;
    long over50 = 0, over250 = 0, over1000 = 0, ticks = 0;

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TREE [DAYS]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::string tree = argv[1];
    const int days = argc > 2 ? std::atoi(argv[2]) : 0;

    vorlex::platform::InitLocale();
    QApplication app(argc, argv);
    vorlex::platform::InitLocale();  // QApplication may have changed the C locale
    std::vector<std::string> boxes;
    vorlex::ui::SetMessageBoxHook([&boxes](const vorlex::ui::BoxRequest& r) {
        boxes.push_back(r.text.toStdString());
        return vorlex::ui::BoxResult::Ok;
    });

    vorlex::app::Environment env;
    env.programPath = vorlex::platform::CurrentFolder();
    env.currentPath = env.programPath;
    env.clock = vorlex::platform::ProcessClock();
    env.commandLine = {argv[0]};
    vorlex::app::TForm1 window(std::move(env));
    window.show();
    window.Init();
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }

    vorlex::app::Controller& controller = window.Ctl();
    controller.SetDrivePath(tree);
    controller.SetDaysOld(days);
    if (controller.Settings().useIncludeFiles) {
        controller.ToggleUseIncludeFiles(false);
    }
    if (controller.Settings().useExcludeFiles) {
        controller.ToggleUseExcludeFiles(false);
    }
    if (controller.Settings().useRegEx) {
        controller.ToggleUseRegEx(false);
    }
    window.CriteriaChanged();
    QApplication::processEvents();

    const long rssBefore = StatusKiB("VmRSS");
    GapMonitor gaps;
    double clickStartMs = 0, clickEndMs = 0;
    double showSec = 0, showEndSec = 0, sortSec = 0, csvSec = 0, copySec = 0;
    long rssAfter = 0, hwmAfterScan = 0;
    std::size_t rowCount = 0;
    std::size_t rowCapacity = 0;
    int csvError = 0;
    long rssTrimmed = 0;
    double pathBytes = 0, pathCapacity = 0;

    QTimer::singleShot(100, [&] {
        clickStartMs = gaps.NowMs();
        window.ScanNowBitBtn->click();  // the whole scan runs inside the click, letting events run as it goes
        clickEndMs = gaps.NowMs();
        // One pass of the event loop, so the monitor sees the stretch at the end of the scan.
        QApplication::processEvents();
        rssAfter = StatusKiB("VmRSS");
        hwmAfterScan = StatusKiB("VmHWM");

        const auto& rows = window.Ctl().Rows();
        rowCount = rows.size();
        rowCapacity = rows.capacity();
        for (const auto& r : rows) {
            pathBytes += static_cast<double>(r.path.size());
            pathCapacity += static_cast<double>(r.path.capacity());
        }

        // The rows on screen: the first page, then the last (the view formats only what it shows).
        auto t0 = Clock::now();
        window.ListView1->viewport()->repaint();
        showSec = Seconds(t0, Clock::now());
        t0 = Clock::now();
        window.ListView1->scrollToBottom();
        window.ListView1->viewport()->repaint();
        showEndSec = Seconds(t0, Clock::now());

        // The parts of the scan's last stretch, timed apart: sorting the rows (a shuffled copy: the walk's
        // order is not sorted) and writing the CSV file.
        gaps.Stop();
        t0 = Clock::now();
        std::vector<vorlex::scan::ResultRow> copy(rows.begin(), rows.end());
        std::shuffle(copy.begin(), copy.end(), std::mt19937(1));
        copySec = Seconds(t0, Clock::now());
        t0 = Clock::now();
        vorlex::scan::SortRows(copy);
        sortSec = Seconds(t0, Clock::now());
        copy.clear();
        copy.shrink_to_fit();
        t0 = Clock::now();
        csvError = vorlex::report::WriteCsvFile(window.Ctl().Env().programPath + "bench-copy.csv", rows,
                                                window.Ctl().Formatter());
        csvSec = Seconds(t0, Clock::now());
        std::remove((window.Ctl().Env().programPath + "bench-copy.csv").c_str());
        // What the allocator keeps of freed memory (sort keys, the CSV text) against what the rows hold.
        malloc_trim(0);
        rssTrimmed = StatusKiB("VmRSS");
        QApplication::quit();
    });
    gaps.Start();
    QApplication::exec();

    const double n = rowCount > 0 ? static_cast<double>(rowCount) : 1.0;
    const double rowsKiB = static_cast<double>(rssAfter - rssBefore);
    const double peakKiB = static_cast<double>(hwmAfterScan - rssBefore);
    std::printf("Main window, offscreen: Scan Now over %s (days %d)\n", tree.c_str(), days);
    std::printf("  %-44s %12zu\n", "rows listed", rowCount);
    std::printf("  %-44s %12.2f s\n", "Scan Now click, start to end", (clickEndMs - clickStartMs) / 1000.0);
    std::printf("  %-44s %12.1f ms\n", "longest event-loop gap (5 ms timer)", gaps.maxMs);
    std::printf("  %-44s %12.2f s\n", "  it began after the click at",
                (gaps.maxStartMs - clickStartMs) / 1000.0);
    std::printf("  %-44s %12ld / %ld / %ld\n", "gaps over 50 / 250 / 1000 ms", gaps.over50, gaps.over250,
                gaps.over1000);
    std::printf("  %-44s %12.3f s\n", "sort of the rows (shuffled copy, SortRows)", sortSec);
    std::printf("  %-44s %12.3f s\n", "CSV file of the rows (WriteCsvFile)", csvSec);
    std::printf("  %-44s %12.3f s\n", "copy + shuffle for the sort timing", copySec);
    std::printf("  %-44s %12.1f ms\n", "paint of the first page of rows", showSec * 1000.0);
    std::printf("  %-44s %12.1f ms\n", "scroll to the end and paint", showEndSec * 1000.0);
    std::printf("  %-44s %12.1f MiB\n", "RSS before the scan", static_cast<double>(rssBefore) / 1024.0);
    std::printf("  %-44s %12.1f MiB\n", "RSS after the scan", static_cast<double>(rssAfter) / 1024.0);
    std::printf("  %-44s %12.1f MiB\n", "peak RSS (VmHWM) after the scan",
                static_cast<double>(hwmAfterScan) / 1024.0);
    std::printf("  %-44s %12.1f MiB\n", "RSS after malloc_trim(0), after the timings",
                static_cast<double>(rssTrimmed) / 1024.0);
    std::printf("  %-44s %12.1f B\n", "average path text per row", pathBytes / n);
    std::printf("  %-44s %12.1f B\n", "RSS growth per row, beyond the path text",
                rowsKiB * 1024.0 / n - pathBytes / n);
    std::printf("  %-44s %12.1f B\n", "peak growth per row, beyond the path text",
                peakKiB * 1024.0 / n - pathBytes / n);
    std::printf("  %-44s %12zu B\n", "sizeof(ResultRow)", sizeof(vorlex::scan::ResultRow));
    std::printf("  %-44s %12.1f B\n", "path string capacity per row (heap)", pathCapacity / n);
    std::printf("  %-44s %12.1f B\n", "rows counted: vector + path heap, beyond path",
                (static_cast<double>(rowCapacity) * sizeof(vorlex::scan::ResultRow) + pathCapacity) / n -
                    pathBytes / n);
    std::printf("  %-44s %12.1f B\n", "RSS growth per row after malloc_trim, beyond path",
                static_cast<double>(rssTrimmed - rssBefore) * 1024.0 / n - pathBytes / n);
    if (csvError != 0) {
        std::printf("  the CSV timing failed: error %d\n", csvError);
    }
    for (const auto& b : boxes) {
        std::printf("  box shown: %s\n", b.c_str());
    }
    return 0;
}
