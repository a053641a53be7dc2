// Takes the CLIPBOARD selection and then never answers a request for it, as a frozen program or
// a stalled clipboard bridge would: every SelectionRequest is left unanswered, so the asking
// client waits until its own timeout. It prints "owner" once it holds the selection, a line
// "request <target>" for each request it ignores and "lost" when another client takes the
// selection, each line flushed at once; it runs until it is killed.
//
//   never_answering_owner

#include <stdio.h>
#include <stdlib.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "never_answering_owner: cannot open the display\n");
    return 1;
  }
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  // A window of its own that is never mapped: the selection's owner.
  const Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  // Taking a selection wants a real timestamp: one from a property change on the window.
  XSelectInput(display, owner, PropertyChangeMask);
  XChangeProperty(display, owner, XA_WM_NAME, XA_STRING, 8, PropModeReplace, (const unsigned char*)"owner", 5);
  XEvent event;
  do
    XNextEvent(display, &event);
  while (event.type != PropertyNotify);
  XSetSelectionOwner(display, clipboard, owner, event.xproperty.time);
  if (XGetSelectionOwner(display, clipboard) != owner) {
    fprintf(stderr, "never_answering_owner: could not take the CLIPBOARD selection\n");
    return 1;
  }
  printf("owner\n");
  fflush(stdout);
  for (;;) {
    XNextEvent(display, &event);
    if (event.type == SelectionRequest) {
      char* target = XGetAtomName(display, event.xselectionrequest.target);
      printf("request %s\n", target != NULL ? target : "?");
      fflush(stdout);
      XFree(target);
    } else if (event.type == SelectionClear) {
      printf("lost\n");
      fflush(stdout);
    }
  }
}
