// Sends a window's client the window manager's _NET_WM_PING and waits for its answer: prints
// the milliseconds it took, or "none" when no answer came within the time given. A client
// answers from its event loop, so the time says how long the client was busy before it got
// there.
//
//   ping_window WINDOW_ID TIMEOUT_MS

#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <X11/Xlib.h>

static long NowMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: ping_window WINDOW_ID TIMEOUT_MS\n");
    return 2;
  }
  const Window window = (Window)strtoul(argv[1], NULL, 0);
  const long timeout = strtol(argv[2], NULL, 10);
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "ping_window: cannot open the display\n");
    return 1;
  }
  const Window root = DefaultRootWindow(display);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
  // The answer goes to the root window, where every client may listen for it; clients send it
  // for those that listen for the root's substructure or, as Qt does, for its structure.
  XSelectInput(display, root, SubstructureNotifyMask | StructureNotifyMask);

  // A serial of its own in the timestamp field tells this ping's answer from any other.
  const long serial = NowMs() & 0x7fffffffL;
  XEvent request = { 0 };
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = protocols;
  request.xclient.format = 32;
  request.xclient.data.l[0] = (long)ping;
  request.xclient.data.l[1] = serial;
  request.xclient.data.l[2] = (long)window;
  const long sent = NowMs();
  XSendEvent(display, window, False, NoEventMask, &request);
  XFlush(display);

  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == ClientMessage && event.xclient.message_type == protocols &&
          (Atom)event.xclient.data.l[0] == ping && event.xclient.data.l[1] == serial) {
        printf("%ld\n", NowMs() - sent);
        return 0;
      }
    }
    const long left = sent + timeout - NowMs();
    if (left <= 0)
      break;
    struct pollfd connection = { ConnectionNumber(display), POLLIN, 0 };
    poll(&connection, 1, (int)left);
  }
  printf("none\n");
  return 1;
}
