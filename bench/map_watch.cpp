// Starts a program and prints, on one line, the milliseconds from its start to the mapping of its
// first top-level window on the X server, the program's resident memory (kB) at that moment, and
// the processor time (ms) its threads had used by then, which a busy machine disturbs less:
//   map_watch TITLE PROGRAM [ARGUMENTS...]   prints   "<ms> <kB> <processor ms>"
// The window is told by the process id in its _NET_WM_PID property, and must carry the title
// TITLE. Afterwards the program is ended. Needs an X server without window manager (Xvfb), so that
// top-level windows are children of the root window.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
  xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(r);
  return a;
}

// The bytes of a window property, empty when it is missing.
std::string property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type) {
  xcb_get_property_reply_t* r =
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 1024), nullptr);
  std::string bytes;
  if (r)
    bytes.assign(static_cast<const char*>(xcb_get_property_value(r)),
                 std::size_t(xcb_get_property_value_length(r)));  // in bytes
  std::free(r);
  return bytes;
}

pid_t windowPid(xcb_connection_t* c, xcb_window_t w) {
  std::string v = property(c, w, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL);
  std::uint32_t pid = 0;
  if (v.size() == sizeof pid) std::memcpy(&pid, v.data(), sizeof pid);
  return pid_t(pid);
}

// VmRSS of the process in kB, or -1.
long residentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

// Processor time in ms that all threads of the process have run so far, or -1.
double cpuMs(pid_t pid) {
  std::error_code err;
  double ns = 0;
  std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks, err)) {
    std::ifstream stat(task.path() / "schedstat");
    double run = 0;
    if (stat >> run) ns += run;
  }
  return err ? -1 : ns / 1e6;
}

pid_t start(char** argv) {
  pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    std::perror(argv[0]);
    _exit(127);
  }
  return pid;
}

bool ended = false;  // the program has ended and been waited for

void end(pid_t pid) {
  if (ended) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

// Waits up to the deadline for the next event; nullptr when none came or the program ended.
xcb_generic_event_t* nextEvent(xcb_connection_t* c, pid_t pid, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    if (xcb_generic_event_t* e = xcb_poll_for_event(c)) return e;
    ended = ended || waitpid(pid, nullptr, WNOHANG) == pid;
    if (xcb_connection_has_error(c) || ended) return nullptr;
    pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
    poll(&p, 1, 20);
  }
  return nullptr;
}

struct Mapped {
  double ms = -1;
  long kb = -1;
  double cpuMs = -1;
  xcb_window_t window = 0;
};

// Starts the program and waits for the MapNotify of a top-level window of its own.
Mapped watch(xcb_connection_t* c, pid_t& pid, char** argv) {
  Mapped m;
  Clock::time_point t0 = Clock::now();
  pid = start(argv);
  while (xcb_generic_event_t* e = nextEvent(c, pid, t0 + std::chrono::seconds(30))) {
    Clock::time_point t1 = Clock::now();
    bool map = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
    auto* n = reinterpret_cast<xcb_map_notify_event_t*>(e);
    if (map && !n->override_redirect) {
      long kb = residentKb(pid);
      double cpu = cpuMs(pid);
      if (windowPid(c, n->window) == pid)
        m = {std::chrono::duration<double, std::milli>(t1 - t0).count(), kb, cpu, n->window};
    }
    std::free(e);
    if (m.window) break;
  }
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return std::fprintf(stderr, "usage: map_watch TITLE PROGRAM [ARGUMENTS...]\n"), 2;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (int err = xcb_connection_has_error(c))
    return std::fprintf(stderr, "map_watch: no X display (xcb error %d)\n", err), 2;
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  if (xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask)))
    return std::fprintf(stderr, "map_watch: cannot watch the root window\n"), 2;
  pid_t pid = 0;
  Mapped m = watch(c, pid, argv + 2);
  std::string title =
      m.window ? property(c, m.window, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING")) : "";
  end(pid);
  xcb_disconnect(c);
  if (!m.window) return std::fprintf(stderr, "map_watch: %s mapped no window\n", argv[2]), 1;
  if (title != argv[1])
    return std::fprintf(stderr, "map_watch: window titled \"%s\"\n", title.c_str()), 1;
  std::printf("%.1f %ld %.1f\n", m.ms, m.kb, m.cpuMs);
  return 0;
}
