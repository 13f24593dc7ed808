// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks a window to close as a window manager or a pager does:
//   wmclose delete WINDOW   WM_DELETE_WINDOW, sent to the window itself
//   wmclose net WINDOW      _NET_CLOSE_WINDOW, sent to the window manager
// WINDOW is a window id, as xdotool prints it.

#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
    if (argc != 3 || (strcmp(argv[1], "delete") != 0 && strcmp(argv[1], "net") != 0)) {
        fprintf(stderr, "usage: %s delete|net WINDOW\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "wmclose: no display\n");
        return 1;
    }
    const Window window = (Window)strtoul(argv[2], NULL, 0);
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 32;
    Status sent;
    if (strcmp(argv[1], "delete") == 0) {
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
        event.xclient.data.l[1] = CurrentTime;
        sent = XSendEvent(display, window, False, NoEventMask, &event);
    } else {
        event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2; // from a pager, which a window manager always obeys
        sent = XSendEvent(
            display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
