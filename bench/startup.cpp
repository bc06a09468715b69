// Start-up and memory benchmark: starts two programs in turn on the X display
// named by DISPLAY and, for each run, measures the time from the fork until the
// X server maps the program's top-level window, and the resident memory once the
// window has been shown for a fixed settle time. The map is seen as it happens,
// not sampled with sleeps: the root window's SubstructureNotify events are
// selected before the program starts, and the MapNotify of a window whose
// _NET_WM_PID is the child's process id ends the timing (CLOCK_MONOTONIC, taken
// just before the fork and when the event arrives).
//
// Usage: hueprobe-startup [--runs N] [--settle-ms MS] CANDIDATE BASELINE
//        hueprobe-startup --until-mapped COMMAND [ARGUMENTS...]
// The second form runs one command (a profiler around a program, say) until its
// window is mapped, then ends it and prints the time it took.
#include "XcbAtom.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC on Linux
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr auto MapTimeout = std::chrono::seconds(30);

using Command = std::vector<std::string>;

struct Options {
    int runs = 15;
    int settleMs = 500;
    Command untilMapped; // the one command of the second form
    Command candidate;
    Command baseline;
};

struct Sample {
    double startupMs = 0; // wall-clock time from fork until mapped
    double cpuMs = 0;     // processor time the program had used by then
    long rssKiB = 0;      // resident memory after the settle time
    long anonKiB = 0;     // the part of it that is the program's own, not mapped files
};

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "hueprobe-startup: %s\n", message.c_str());
    std::exit(1);
}

Options parseOptions(int argc, char* argv[]) {
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--until-mapped" && i + 1 < argc) {
            options.untilMapped.assign(argv + i + 1, argv + argc);
            return options;
        }
        if ((argument == "--runs" || argument == "--settle-ms") && i + 1 < argc) {
            const int value = std::atoi(argv[++i]);
            (argument == "--runs" ? options.runs : options.settleMs) = value;
        } else {
            programs.push_back(argument);
        }
    }
    if (programs.size() != 2 || options.runs < 1 || options.settleMs < 0)
        fail("usage: hueprobe-startup [--runs N] [--settle-ms MS] CANDIDATE BASELINE\n"
             "       hueprobe-startup --until-mapped COMMAND [ARGUMENTS...]");
    options.candidate = {programs[0]};
    options.baseline = {programs[1]};
    return options;
}

// The X connection with the root window's child maps selected.
class MapWatcher {
public:
    MapWatcher() {
        int screenNumber = 0;
        connection_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection_))
            fail("cannot open the X display named by DISPLAY");
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        root_ = screens.data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        pidAtom_ = internAtom("_NET_WM_PID");
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    // Waits for the first top-level window of pid to be mapped and returns the
    // time the event arrived. Gives up if the process ends or times out first.
    Clock::time_point waitForMap(pid_t pid, const std::string& name) {
        const auto deadline = Clock::now() + MapTimeout;
        while (Clock::now() < deadline) {
            while (auto* event = xcb_poll_for_event(connection_)) {
                const auto arrived = Clock::now();
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                       &std::free);
                if (isTopLevelMapOf(event, pid))
                    return arrived;
            }
            if (xcb_connection_has_error(connection_))
                fail("the X connection broke");
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                fail(name + " ended before its window was mapped");
            pollfd watched{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&watched, 1, 100); // wakes at once on an event; the timeout only checks the child
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        fail(name + " did not map its window in time");
    }

    // Throws away the events of earlier runs.
    void drain() {
        roundTrip();
        while (auto* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

private:
    // Once the server has answered a request, every event sent before it is here.
    void roundTrip() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    xcb_atom_t internAtom(const char* name) {
        const xcb_atom_t atom = hueprobe::internAtom(connection_, name);
        if (atom == XCB_ATOM_NONE)
            fail(std::string("cannot intern ") + name);
        return atom;
    }

    bool isTopLevelMapOf(const xcb_generic_event_t* event, pid_t pid) {
        if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY)
            return false;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (map->event != root_ || map->override_redirect)
            return false;
        return windowPid(map->window) == pid;
    }

    long windowPid(xcb_window_t window) {
        auto cookie = xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1);
        auto* reply = xcb_get_property_reply(connection_, cookie, nullptr);
        long pid = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = *static_cast<const uint32_t*>(xcb_get_property_value(reply));
        std::free(reply);
        return pid;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
};

// A memory figure of /proc/PID/status, such as "VmRSS:" or "RssAnon:".
long statusKiB(pid_t pid, const std::string& wanted) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == wanted) {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    fail("no " + wanted + " for process " + std::to_string(pid));
}

// The processor time of all the process's threads so far. Unlike the wall-clock
// time it leaves out waiting for a processor and for the X server, so it shows
// the program's own work more steadily on a shared machine.
double cpuMilliseconds(pid_t pid) {
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        fail("cannot read the processor time of process " + std::to_string(pid));
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Runs command until its window is mapped (and settleMs longer); the process
// keeps its id through exec, so a wrapper such as valgrind is timed along.
Sample measure(MapWatcher& watcher, const Command& command, int settleMs) {
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    watcher.drain();
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        fail(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        execvp(arguments[0], arguments.data());
        std::fprintf(stderr, "hueprobe-startup: cannot run %s: %s\n", arguments[0],
                     std::strerror(errno));
        _exit(127);
    }
    const auto mapped = watcher.waitForMap(pid, command.front());
    Sample sample;
    sample.startupMs = Milliseconds(mapped - started).count();
    sample.cpuMs = cpuMilliseconds(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    sample.rssKiB = statusKiB(pid, "VmRSS:");
    sample.anonKiB = statusKiB(pid, "RssAnon:");
    stop(pid);
    return sample;
}

template <class T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    std::vector<double> startupMs;
    std::vector<double> cpuMs;
    std::vector<double> rssKiB;
    std::vector<double> anonKiB;
    void add(const Sample& sample) {
        startupMs.push_back(sample.startupMs);
        cpuMs.push_back(sample.cpuMs);
        rssKiB.push_back(double(sample.rssKiB));
        anonKiB.push_back(double(sample.anonKiB));
    }
};

void printRow(const char* name, const Series& series) {
    std::printf("%-10s %10.1f %8.1f %8.1f %8.1f %10.0f %10.0f\n", name, median(series.startupMs),
                *std::min_element(series.startupMs.begin(), series.startupMs.end()),
                *std::max_element(series.startupMs.begin(), series.startupMs.end()),
                median(series.cpuMs), median(series.rssKiB), median(series.anonKiB));
}

const char* verdict(double ratio, double limit) {
    return ratio <= limit ? "met" : "MISSED";
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    MapWatcher watcher;
    if (!options.untilMapped.empty()) {
        const Sample sample = measure(watcher, options.untilMapped, 0);
        std::printf("%.1f ms until mapped (%.1f ms processor time)\n", sample.startupMs,
                    sample.cpuMs);
        return 0;
    }

    // One warm-up run each fills the page cache and the font caches.
    measure(watcher, options.candidate, options.settleMs);
    measure(watcher, options.baseline, options.settleMs);

    Series candidate;
    Series baseline;
    std::vector<double> ratios;
    for (int run = 0; run < options.runs; ++run) {
        // Alternate which program goes first, so neither always follows the other.
        Sample ours;
        Sample floor;
        if (run % 2 == 0) {
            ours = measure(watcher, options.candidate, options.settleMs);
            floor = measure(watcher, options.baseline, options.settleMs);
        } else {
            floor = measure(watcher, options.baseline, options.settleMs);
            ours = measure(watcher, options.candidate, options.settleMs);
        }
        candidate.add(ours);
        baseline.add(floor);
        ratios.push_back(ours.startupMs / floor.startupMs);
        std::printf("run %2d: hueprobe %6.1f ms (cpu %5.1f) %6ld KiB, "
                    "baseline %6.1f ms (cpu %5.1f) %6ld KiB, ratio %.3f\n",
                    run + 1, ours.startupMs, ours.cpuMs, ours.rssKiB, floor.startupMs, floor.cpuMs,
                    floor.rssKiB, ratios.back());
        std::fflush(stdout);
    }

    const double medianRatio = median(ratios);
    const double memoryRatio = median(candidate.rssKiB) / median(baseline.rssKiB);
    std::printf("\nStart-up until the main window is mapped (wall clock, and the processor time\n"
                "used by then), and resident memory %d ms later; medians of %d interleaved\n"
                "runs each after one warm-up.\n\n",
                options.settleMs, options.runs);
    std::printf("%-10s %10s %8s %8s %8s %10s %10s\n", "program", "median ms", "min ms", "max ms",
                "cpu ms", "RSS KiB", "anon KiB");
    printRow("hueprobe", candidate);
    printRow("baseline", baseline);
    std::printf("\nstart-up ratio of the medians:     %.3f\n",
                median(candidate.startupMs) / median(baseline.startupMs));
    std::printf("processor time ratio (medians):    %.3f  (information: leaves out waiting)\n",
                median(candidate.cpuMs) / median(baseline.cpuMs));
    std::printf("median of the per-run time ratios: %.3f  (target <= 1.10: %s)\n", medianRatio,
                verdict(medianRatio, 1.10));
    std::printf("memory ratio of the medians:       %.3f  (target <= 1.10: %s)\n", memoryRatio,
                verdict(memoryRatio, 1.10));
    std::printf("own (anonymous) memory ratio:      %.3f  (information: RSS less mapped files)\n",
                median(candidate.anonKiB) / median(baseline.anonKiB));
    return 0;
}
