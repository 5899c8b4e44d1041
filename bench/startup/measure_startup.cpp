// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// bench_startup [--runs K] [--platform offscreen|xvfb|both]: the game's start-up, from exec to
// its first message box, against a bare Qt Widgets program that shows a label and a message
// box; median times and peak memory of K runs each, and the ratios game/bare.
//
// How "first message box shown" is seen from outside, with no hook in the programs:
//  - xvfb: this tool starts its own Xvfb, watches the root window for top-level windows being
//    mapped (SubstructureNotify, no window manager), and stops the clock when a window whose
//    title holds the box's title is mapped.
//  - offscreen: nothing can be seen, so the clock stops when the program has gone idle: every
//    thread asleep and no CPU time used for 250 ms. A modal box waits for the player in the
//    event loop, so that is the moment its start-up work was done. The time is that of the
//    last CPU use seen, polled every millisecond.
// Peak memory is the child's ru_maxrss from wait4 after it is killed at that moment. The CPU
// time is what all its threads had used by then.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#ifdef AVTOSALON_HAVE_XCB
#include <xcb/xcb.h>
#endif

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kIdle = std::chrono::milliseconds(250);
constexpr auto kGiveUp = std::chrono::seconds(30);

struct Program {
  std::string label;
  std::string path;
  std::string box_title;
};

struct Sample {
  double wall_ms = 0;
  double cpu_ms = 0;
  double rss_mib = 0;
};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Starts the program with these variables set on top of ours; its output goes nowhere.
pid_t Spawn(const std::string& path, const std::vector<std::string>& variables) {
  std::vector<std::string> environment;
  for (char** e = environ; *e; ++e) {
    const std::string_view entry(*e);
    const bool replaced = std::ranges::any_of(variables, [&](const std::string& v) {
      return entry.substr(0, entry.find('=') + 1) == v.substr(0, v.find('=') + 1);
    });
    if (!replaced) environment.emplace_back(entry);
  }
  environment.insert(environment.end(), variables.begin(), variables.end());
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string program = path;
  char* argv[] = {program.data(), nullptr};

  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    const int nowhere = open("/dev/null", O_WRONLY);
    dup2(nowhere, STDOUT_FILENO);
    dup2(nowhere, STDERR_FILENO);
    execve(path.c_str(), argv, envp.data());
    _exit(127);
  }
  return pid;
}

// CPU time of all the process's threads, and whether every one of them is asleep.
struct Activity {
  long long cpu_ns = 0;
  bool asleep = true;
};

Activity ActivityOf(pid_t pid) {
  Activity activity;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (!dir) return activity;
  while (const dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    const std::string task = tasks + "/" + entry->d_name;
    long long run_ns = 0;
    if (std::ifstream(task + "/schedstat") >> run_ns) activity.cpu_ns += run_ns;
    std::ifstream stat(task + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    if (close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'S') {
      activity.asleep = false;
    }
  }
  closedir(dir);
  return activity;
}

// Kills the child and returns its peak resident memory.
double KillAndReap(pid_t pid) {
  kill(pid, SIGKILL);
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

bool Exited(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, WNOHANG) == pid;
}

std::optional<Sample> RunOffscreen(const Program& program) {
  const auto start = Clock::now();
  const pid_t pid = Spawn(program.path, {"QT_QPA_PLATFORM=offscreen"});
  if (pid < 0) return std::nullopt;
  long long last_cpu = -1;
  auto last_use = start;
  for (;;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto now = Clock::now();
    if (Exited(pid)) return std::nullopt;
    const Activity activity = ActivityOf(pid);
    if (activity.cpu_ns != last_cpu || !activity.asleep) {
      last_cpu = activity.cpu_ns;
      last_use = now;
    } else if (now - last_use >= kIdle) {
      break;
    }
    if (now - start > kGiveUp) {
      KillAndReap(pid);
      return std::nullopt;
    }
  }
  Sample sample;
  sample.wall_ms = Milliseconds(last_use - start);
  sample.cpu_ms = static_cast<double>(last_cpu) / 1e6;
  sample.rss_mib = KillAndReap(pid);
  return sample;
}

#ifdef AVTOSALON_HAVE_XCB
// An Xvfb of our own, and a connection that watches its root window.
class VirtualScreen {
 public:
  bool Start() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    std::fflush(stdout);
    server_ = fork();
    if (server_ == 0) {
      close(fds[0]);
      const int nowhere = open("/dev/null", O_WRONLY);
      dup2(nowhere, STDOUT_FILENO);
      dup2(nowhere, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) return false;
    display_ = ":" + number;
    connection_ = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) return false;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    utf8_ = Atom("UTF8_STRING");
    net_wm_name_ = Atom("_NET_WM_NAME");
    xcb_flush(connection_);
    return true;
  }

  ~VirtualScreen() {
    if (connection_) xcb_disconnect(connection_);
    if (server_ > 0) {
      kill(server_, SIGTERM);
      waitpid(server_, nullptr, 0);
    }
  }

  std::optional<Sample> Run(const Program& program) {
    Drain();
    const auto start = Clock::now();
    const pid_t pid = Spawn(program.path, {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display_});
    if (pid < 0) return std::nullopt;
    pollfd watch{xcb_get_file_descriptor(connection_), POLLIN, 0};
    for (;;) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t window =
            mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        std::free(event);
        if (!mapped || Title(window).find(program.box_title) == std::string::npos) continue;
        Sample sample;
        sample.wall_ms = Milliseconds(Clock::now() - start);
        sample.cpu_ms = static_cast<double>(ActivityOf(pid).cpu_ns) / 1e6;
        sample.rss_mib = KillAndReap(pid);
        return sample;
      }
      if (xcb_connection_has_error(connection_) || Exited(pid)) return std::nullopt;
      if (Clock::now() - start > kGiveUp) {
        KillAndReap(pid);
        return std::nullopt;
      }
      poll(&watch, 1, 5);
    }
  }

 private:
  xcb_atom_t Atom(const char* name) {
    const auto cookie =
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
  }

  std::string Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    const auto cookie = xcb_get_property(connection_, 0, window, property, type, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
    std::string value;
    if (reply) {
      value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                   static_cast<std::size_t>(xcb_get_property_value_length(reply)));
      std::free(reply);
    }
    return value;
  }

  std::string Title(xcb_window_t window) {
    std::string title = Property(window, net_wm_name_, utf8_);
    if (title.empty()) title = Property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
    return title;
  }

  // Forgets what earlier runs left in the queue.
  void Drain() {
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
  }

  pid_t server_ = -1;
  std::string display_;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
  xcb_atom_t utf8_ = XCB_ATOM_NONE;
  xcb_atom_t net_wm_name_ = XCB_ATOM_NONE;
};
#endif

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::ranges::sort(values);
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
  double wall = 0, wall_low = 0, wall_high = 0, cpu = 0, rss = 0;
  int runs = 0;
};

Summary Summarize(const std::vector<Sample>& samples) {
  Summary summary;
  std::vector<double> wall, cpu, rss;
  for (const Sample& s : samples) {
    wall.push_back(s.wall_ms);
    cpu.push_back(s.cpu_ms);
    rss.push_back(s.rss_mib);
  }
  summary.runs = static_cast<int>(samples.size());
  if (samples.empty()) return summary;
  summary.wall = Median(wall);
  summary.wall_low = *std::ranges::min_element(wall);
  summary.wall_high = *std::ranges::max_element(wall);
  summary.cpu = Median(cpu);
  summary.rss = Median(rss);
  return summary;
}

template <typename RunOne>
bool Measure(const char* platform, const Program& game, const Program& bare, int runs,
             RunOne run_one) {
  // One of each first, not counted: libraries and fonts into the page cache.
  run_one(game);
  run_one(bare);
  std::vector<Sample> game_samples, bare_samples;
  for (int i = 0; i < runs; ++i) {
    if (auto s = run_one(game)) game_samples.push_back(*s);
    if (auto s = run_one(bare)) bare_samples.push_back(*s);
  }
  const Summary g = Summarize(game_samples);
  const Summary b = Summarize(bare_samples);
  std::printf("%-10s %-11s %4d  %8.1f (%6.1f..%6.1f)  %8.1f  %8.1f\n", platform, game.label.c_str(),
              g.runs, g.wall, g.wall_low, g.wall_high, g.cpu, g.rss);
  std::printf("%-10s %-11s %4d  %8.1f (%6.1f..%6.1f)  %8.1f  %8.1f\n", platform, bare.label.c_str(),
              b.runs, b.wall, b.wall_low, b.wall_high, b.cpu, b.rss);
  if (g.runs == 0 || b.runs == 0 || b.wall == 0 || b.rss == 0) {
    std::printf("%-10s no ratio: a program did not show its box\n", platform);
    return false;
  }
  const double time_ratio = g.wall / b.wall;
  const double memory_ratio = g.rss / b.rss;
  std::printf(
      "%-10s %-11s       %8.2fx %17s %8.2fx  %8.2fx   aims 1.20x time %s, 1.25x memory %s\n",
      platform, "game/bare", time_ratio, "", b.cpu > 0 ? g.cpu / b.cpu : 0.0, memory_ratio,
      time_ratio <= 1.2 ? "met" : "missed", memory_ratio <= 1.25 ? "met" : "missed");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 20;
  std::string platform = "both";
  Program game{"avtosalon", AVTOSALON_GAME, "Запомните!"};
  Program bare{"bare_label", AVTOSALON_BARE, "Первое окно"};
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (argument == "--platform" && i + 1 < argc) {
      platform = argv[++i];
    } else if (argument == "--game" && i + 1 < argc) {
      game.path = argv[++i];
    } else if (argument == "--bare" && i + 1 < argc) {
      bare.path = argv[++i];
    } else {
      std::fprintf(stderr,
                   "usage: bench_startup [--runs K] [--platform offscreen|xvfb|both] "
                   "[--game PATH] [--bare PATH]\n");
      return 2;
    }
  }

  std::printf("Start-up from exec to the first message box; medians of %d runs each\n", runs);
  std::printf("%-10s %-11s %4s  %8s %16s  %8s  %8s\n", "platform", "program", "runs", "wall ms",
              "(min..max)", "cpu ms", "peak MiB");
  bool all = true;
  if (platform == "offscreen" || platform == "both") {
    all = Measure("offscreen", game, bare, runs, RunOffscreen) && all;
  }
  if (platform == "xvfb" || platform == "both") {
#ifdef AVTOSALON_HAVE_XCB
    VirtualScreen screen;
    if (screen.Start()) {
      all = Measure("xvfb", game, bare, runs,
                    [&](const Program& program) { return screen.Run(program); }) &&
            all;
    } else {
      std::printf("xvfb       not measured: Xvfb could not be started\n");
    }
#else
    std::printf("xvfb       not measured: built without xcb\n");
#endif
  }
  return all ? 0 : 1;
}
