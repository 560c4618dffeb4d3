/* Starts a program and times the appearance of its first top-level window: the time from
 * just before the program is started to the X server's MapNotify for a window it maps on the
 * root window. Prints "<pid> <milliseconds>" (or "<pid> -1" when no window came within the
 * time-out) and flushes, then waits for the program to end and exits with its exit code.
 * Usage: mapwatch TIMEOUT_MS PROGRAM [ARGUMENT...] with DISPLAY naming an X server that
 * nothing else uses. */
#define _POSIX_C_SOURCE 200809L
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

/* Waits for a MapNotify of a top-level, not override-redirect window; returns its time, or a
 * negative value when the time-out passes or the connection breaks. */
static double WaitForMap(xcb_connection_t* connection, xcb_window_t root, double deadline) {
    struct pollfd fd = {.fd = xcb_get_file_descriptor(connection), .events = POLLIN};
    for (;;) {
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(connection)) != NULL) {
            const double at = NowMs();
            int mapped = 0;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const xcb_map_notify_event_t* map = (const xcb_map_notify_event_t*)event;
                mapped = map->event == root && !map->override_redirect;
            }
            free(event);
            if (mapped)
                return at;
        }
        if (xcb_connection_has_error(connection))
            return -1;
        const double left = deadline - NowMs();
        if (left <= 0)
            return -1;
        poll(&fd, 1, (int)left + 1);
    }
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s TIMEOUT_MS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 64;
    }
    const double timeout = atof(argv[1]);
    xcb_connection_t* connection = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(connection)) {
        fprintf(stderr, "mapwatch: cannot connect to the X server\n");
        return 69;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    /* A round trip: the server selects the events before the program can map anything. */
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), NULL));

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid < 0)
        return 71;
    if (pid == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const double mapped = WaitForMap(connection, root, start + timeout);
    printf("%ld %.2f\n", (long)pid, mapped < 0 ? -1.0 : mapped - start);
    fflush(stdout);
    xcb_disconnect(connection);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return 70;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
