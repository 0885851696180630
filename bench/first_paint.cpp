// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and tells how long after its exec its first window was mapped and first
// painted, as the X server saw it: "<pid> <mapped ms> <painted ms>". The program is left
// running for the caller to measure and end.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <set>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Free {
    void operator()(void* p) const { std::free(p); }
};
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    std::unique_ptr<xcb_damage_query_version_reply_t, Free>(
        xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const xcb_setup_t* setup = xcb_get_setup(x);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
    std::unique_ptr<xcb_get_input_focus_reply_t, Free>(
        xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr)); // the selection is in force

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The caller reads this probe's output to its end, which the program must not hold open.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        std::perror("exec");
        _exit(127);
    }

    // The program's windows share the resource id base of its connection: the first window
    // created after the start is its own, since the window manager frames only mapped ones.
    const uint32_t idMask = setup->resource_id_mask;
    uint32_t base = 0;
    bool haveBase = false;
    std::set<xcb_window_t> watched;
    double mapped = -1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (millisecondsSince(start) < 10000) {
        std::unique_ptr<xcb_generic_event_t, Free> event(xcb_poll_for_event(x));
        if (!event) {
            if (xcb_connection_has_error(x))
                break;
            poll(&fd, 1, 100);
            continue;
        }
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            if (!haveBase) {
                base = created->window & ~idMask;
                haveBase = true;
            }
            if ((created->window & ~idMask) != base)
                continue;
            watched.insert(created->window);
            const uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(x, created->window, XCB_CW_EVENT_MASK, &structure);
            xcb_damage_create(x, xcb_generate_id(x), created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (mapped < 0 && watched.count(map->window))
                mapped = millisecondsSince(start);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            if (watched.count(damaged->drawable) && mapped >= 0) {
                std::printf("%d %.1f %.1f\n", int(pid), mapped, millisecondsSince(start));
                return 0;
            }
        }
    }
    std::fprintf(stderr, "no window of the program was painted within 10 s\n");
    std::printf("%d -1 -1\n", int(pid));
    return 1;
}
