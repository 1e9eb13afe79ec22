// Runs the launcher's whole sequence, through the launcher's own start-up,
// while a 1 ms timer on the main thread records when the event loop gets to
// it. Prints the longest gap between two ticks during the extraction (from
// the first to the last progress report of the extractor) and over the
// whole run, one "key=value" per line, with the main thread's CPU time in
// the longest gap and the most it used between two ticks.
//
// Install it in the launcher's bin/ directory: like the launcher, it finds
// the system-wide installation from its own location and the per-user copy
// through HOME.
#include <stdio.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include <QObject>
#include <QTimer>

#include "adapter.h"
#include "startup/startup.h"

namespace {

int64_t NowNs(clockid_t clock = CLOCK_MONOTONIC) {
    timespec ts;
    clock_gettime(clock, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct Tick {
    int64_t wall;
    int64_t cpu;  // the main thread's CPU time
};

// Main thread only: the time of every tick.
class TickRecorder : public QObject {
public:
    TickRecorder() {
        ticks_.reserve(1 << 20);
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, [this] {
            ticks_.push_back({NowNs(), NowNs(CLOCK_THREAD_CPUTIME_ID)});
        });
        timer_.start();
    }
    const std::vector<Tick> &ticks() const { return ticks_; }

private:
    QTimer timer_;
    std::vector<Tick> ticks_;
};

struct Gaps {
    double max_ms = 0;
    double max_gap_cpu_ms = 0;  // CPU time the main thread used within the longest gap
    double max_cpu_ms = 0;      // the most CPU time it used between two ticks
    double p99_ms = 0;
    size_t over_50ms = 0;
};

// Gaps between consecutive ticks that overlap [from, to]. A gap with little
// CPU time in it is time the thread was not scheduled (another process ran),
// not work that kept the event loop busy.
Gaps Measure(const std::vector<Tick> &ticks, int64_t from, int64_t to) {
    std::vector<double> gaps;
    Gaps g;
    for (size_t i = 1; i < ticks.size(); ++i) {
        if (ticks[i].wall < from || ticks[i - 1].wall > to) continue;
        const double wall = (ticks[i].wall - ticks[i - 1].wall) / 1e6;
        const double cpu = (ticks[i].cpu - ticks[i - 1].cpu) / 1e6;
        gaps.push_back(wall);
        if (wall > g.max_ms) {
            g.max_ms = wall;
            g.max_gap_cpu_ms = cpu;
        }
        g.max_cpu_ms = std::max(g.max_cpu_ms, cpu);
    }
    if (gaps.empty()) return g;
    std::sort(gaps.begin(), gaps.end());
    g.p99_ms = gaps[gaps.size() * 99 / 100];
    g.over_50ms = gaps.end() - std::upper_bound(gaps.begin(), gaps.end(), 50.0);
    return g;
}

}  // namespace

int main(int argc, char **argv) {
    // Called on the worker thread, beside the launcher's queued connection.
    std::atomic<int64_t> first_report{0}, last_report{0};
    std::atomic<int> reports{0};
    std::unique_ptr<TickRecorder> recorder;
    int64_t start = 0, end = 0;
    StartupHooks hooks;
    hooks.before_start = [&] {
        QObject::connect(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
                         [&](int, int) {
                             const int64_t now = NowNs();
                             if (reports.fetch_add(1) == 0) first_report = now;
                             last_report = now;
                         });
        recorder.reset(new TickRecorder);
        start = NowNs();
    };
    hooks.after_loop = [&] { end = NowNs(); };
    // The launcher's own start-up and sequence.
    const int ret = RunLauncher(argc, argv, hooks);
    if (!recorder) return ret;

    const Gaps during = Measure(recorder->ticks(), first_report, last_report);
    const Gaps all = Measure(recorder->ticks(), start, end);
    printf("progress_reports=%d\n", reports.load());
    printf("extraction_ms=%.1f\n", (last_report - first_report) / 1e6);
    printf("run_ms=%.1f\n", (end - start) / 1e6);
    printf("ticks=%zu\n", recorder->ticks().size());
    printf("max_gap_ms=%.2f\n", during.max_ms);
    printf("max_gap_cpu_ms=%.2f\n", during.max_gap_cpu_ms);
    printf("max_cpu_between_ticks_ms=%.2f\n", during.max_cpu_ms);
    printf("p99_gap_ms=%.2f\n", during.p99_ms);
    printf("gaps_over_50ms=%zu\n", during.over_50ms);
    printf("max_gap_whole_run_ms=%.2f\n", all.max_ms);
    return ret;
}
