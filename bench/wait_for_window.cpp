// Starts a program and prints how many milliseconds pass until it maps its
// first top-level window on the X display, then ends the program.
//
//   wait_for_window PROGRAM [ARG...]
//
// Prints one number (milliseconds, three decimals) on success; exits 1 when
// no window appears within 20 s or the program dies first.
#include <poll.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARG...]\n", argv[0]);
    return 2;
  }
  // A busy X server now and then refuses a connection; try again briefly.
  xcb_connection_t* conn = xcb_connect(nullptr, nullptr);
  for (int attempt = 1; xcb_connection_has_error(conn) && attempt < 20; ++attempt) {
    xcb_disconnect(conn);
    usleep(50 * 1000);
    conn = xcb_connect(nullptr, nullptr);
  }
  if (xcb_connection_has_error(conn)) {
    std::fprintf(stderr, "wait_for_window: cannot open the display (error %d)\n",
                 xcb_connection_has_error(conn));
    return 2;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(conn, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(conn);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }

  int result = 1;
  pollfd fd{xcb_get_file_descriptor(conn), POLLIN, 0};
  while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
    if (waitpid(child, nullptr, WNOHANG) == child) break;
    xcb_generic_event_t* event = xcb_poll_for_event(conn);
    if (event == nullptr) {
      poll(&fd, 1, 5);
      continue;
    }
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
    std::free(event);
    if (mapped) {
      const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
      std::printf("%.3f\n", ms.count());
      result = 0;
      break;
    }
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(conn);
  return result;
}
