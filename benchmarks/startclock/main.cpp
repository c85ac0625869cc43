// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the start of a windowed program from outside, to the millisecond: it starts the program itself and
// listens to the X server for the moment the program's first window is mapped and for its first drawing.
//   kelvad-startclock [--settle MS] [--maps FILE] PROGRAM [ARGUMENT...]
// Prints one line, then ends the program:
//   mapped_ms=… painted_ms=… cpu_ms=… rss_kb=… libraries=…
// mapped_ms and painted_ms count from just before the program's exec; cpu_ms is its CPU time (every thread,
// alive or ended, user and system) when the window was mapped; rss_kb its resident memory MS milliseconds
// after the map (2000 unless --settle says otherwise); libraries the shared objects it had mapped when the
// window was mapped, whose /proc/PID/maps --maps copies to FILE. Polling from a script would add its own
// delay to every figure.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <dirent.h>
#include <linux/perf_event.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStartTimeout = std::chrono::seconds(30);
constexpr auto kPaintTimeout = std::chrono::seconds(10);

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Counts the CPU time of the program from its exec on, to the nanosecond: of its first thread, and of every
// thread it starts once that thread has ended (the kernel adds an ended thread's count to its parent's). The
// process's own total in /proc/PID/stat would do, but it is sampled at the clock tick and, measured here,
// lags the threads' sum by more than a tick over a start of a few tens of milliseconds. -1 where the kernel
// refuses.
int openCpuCounter(pid_t pid) {
    perf_event_attr attributes{};
    attributes.size = sizeof attributes;
    attributes.type = PERF_TYPE_SOFTWARE;
    attributes.config = PERF_COUNT_SW_TASK_CLOCK;
    attributes.disabled = 1;
    attributes.enable_on_exec = 1;
    attributes.inherit = 1;
    return static_cast<int>(syscall(SYS_perf_event_open, &attributes, pid, -1, -1, PERF_FLAG_FD_CLOEXEC));
}

// The CPU time of the program: the counter, plus the threads still running besides the first, which the
// counter holds only once they end. Without a counter, the threads alive only.
double cpuMilliseconds(pid_t pid, int counter) {
    double total = 0;
    std::uint64_t counted = 0;
    const bool haveCounter = counter >= 0 && read(counter, &counted, sizeof counted) == sizeof counted;
    if (haveCounter) {
        total = static_cast<double>(counted) / 1e6;
    }
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* directory = opendir(tasks.c_str())) {
        while (const dirent* task = readdir(directory)) {
            if (task->d_name[0] == '.' || (haveCounter && std::to_string(pid) == task->d_name)) {
                continue;
            }
            std::istringstream schedstat(readFile(tasks + "/" + task->d_name + "/schedstat"));
            double nanoseconds = 0;
            if (schedstat >> nanoseconds) {
                total += nanoseconds / 1e6;
            }
        }
        closedir(directory);
    }
    return total;
}

long residentKilobytes(pid_t pid) {
    std::istringstream status(readFile("/proc/" + std::to_string(pid) + "/status"));
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The shared objects in a copy of /proc/PID/maps, each counted once.
std::size_t sharedObjects(const std::string& maps) {
    std::set<std::string> files;
    std::istringstream lines(maps);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t path = line.find('/');
        if (path != std::string::npos && line.find(".so", path) != std::string::npos) {
            files.insert(line.substr(path));
        }
    }
    return files.size();
}

struct Connection {
    explicit Connection(xcb_connection_t* c) : xcb(c) {}
    ~Connection() { xcb_disconnect(xcb); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    xcb_connection_t* xcb;
};

xcb_atom_t atom(xcb_connection_t* xcb, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(xcb, xcb_intern_atom(xcb, 0, std::strlen(name), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The process id a window's owner wrote into _NET_WM_PID, which Qt sets before it maps a window.
std::optional<std::uint32_t> windowPid(xcb_connection_t* xcb, xcb_window_t window, xcb_atom_t pidAtom) {
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(xcb, xcb_get_property(xcb, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return std::nullopt;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

void endProgram(pid_t pid) {
    kill(pid, SIGTERM);
    for (int tries = 0; tries < 50; ++tries) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int usage() {
    std::fprintf(stderr, "usage: kelvad-startclock [--settle MS] [--maps FILE] PROGRAM [ARGUMENT...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int settleMs = 2000;
    const char* mapsFile = nullptr;
    int first = 1;
    for (; first + 1 < argc && argv[first][0] == '-'; first += 2) {
        if (std::strcmp(argv[first], "--settle") == 0) {
            settleMs = std::atoi(argv[first + 1]);
        } else if (std::strcmp(argv[first], "--maps") == 0) {
            mapsFile = argv[first + 1];
        } else {
            return usage();
        }
    }
    if (first >= argc) {
        return usage();
    }

    Connection connection(xcb_connect(nullptr, nullptr));
    xcb_connection_t* xcb = connection.xcb;
    if (xcb_connection_has_error(xcb)) {
        std::fprintf(stderr, "kelvad-startclock: no X server\n");
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(xcb, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "kelvad-startclock: the X server has no DAMAGE extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(xcb, xcb_damage_query_version(xcb, 1, 1), nullptr));
    const xcb_atom_t pidAtom = atom(xcb, "_NET_WM_PID");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data->root;
    // Every top-level window created or mapped from now on is reported here.
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(xcb, root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(xcb);

    // The program waits for its CPU counter before its exec.
    int go[2];
    if (pipe(go) != 0) {
        std::perror("kelvad-startclock: pipe");
        return 1;
    }
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("kelvad-startclock: fork");
        return 1;
    }
    if (pid == 0) {
        close(go[1]);
        char ready = 0;
        if (read(go[0], &ready, 1) != 1) {
            _exit(127);
        }
        execvp(argv[first], argv + first);
        std::perror("kelvad-startclock: exec");
        _exit(127);
    }
    close(go[0]);
    const int counter = openCpuCounter(pid);
    if (counter < 0) {
        std::perror("kelvad-startclock: no CPU counter, so threads that end before the map are not counted");
    }
    if (write(go[1], "x", 1) != 1) {
        std::perror("kelvad-startclock: pipe");
    }
    close(go[1]);

    xcb_window_t window = XCB_WINDOW_NONE;
    double mappedMs = -1;
    double paintedMs = -1;
    double cpuMs = -1;
    std::string maps;
    pollfd x{xcb_get_file_descriptor(xcb), POLLIN, 0};
    while (paintedMs < 0) {
        const double waited = millisecondsSince(start);
        if ((window == XCB_WINDOW_NONE && waited > std::chrono::milliseconds(kStartTimeout).count()) ||
            (window != XCB_WINDOW_NONE &&
             waited - mappedMs > std::chrono::milliseconds(kPaintTimeout).count())) {
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "kelvad-startclock: %s ended before it drew a window\n", argv[first]);
            return 1;
        }
        poll(&x, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(xcb)) {
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation, so that no drawing after the map is missed.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                xcb_damage_create(xcb, xcb_generate_id(xcb), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(xcb);
            } else if (type == XCB_MAP_NOTIFY && window == XCB_WINDOW_NONE) {
                const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (windowPid(xcb, mapped->window, pidAtom) == static_cast<std::uint32_t>(pid)) {
                    mappedMs = millisecondsSince(start);
                    cpuMs = cpuMilliseconds(pid, counter);
                    maps = readFile("/proc/" + std::to_string(pid) + "/maps");
                    window = mapped->window;
                }
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && window != XCB_WINDOW_NONE) {
                if (reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == window) {
                    paintedMs = millisecondsSince(start);
                }
            }
            std::free(event);
        }
    }
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "kelvad-startclock: %s mapped no window\n", argv[first]);
        endProgram(pid);
        return 1;
    }
    if (mapsFile) {
        std::ofstream(mapsFile) << maps;
    }
    std::this_thread::sleep_until(start + std::chrono::duration<double, std::milli>(mappedMs + settleMs));
    std::printf("mapped_ms=%.1f painted_ms=%.1f cpu_ms=%.1f rss_kb=%ld libraries=%zu\n", mappedMs, paintedMs,
                cpuMs, residentKilobytes(pid), sharedObjects(maps));
    std::fflush(stdout);
    endProgram(pid);
    return paintedMs < 0 ? 1 : 0;
}
