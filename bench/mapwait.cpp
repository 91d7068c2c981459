// Starts a program and prints the milliseconds from its start until the X server maps its first
// top-level window, then kills it. The program is left as it is: the map is seen from outside,
// on the root window. With --memory-after SECONDS it waits that long after the map and prints the
// program's resident memory and its peak (VmRSS, VmHWM, in KiB) after the time.
// Usage: mapwait [--memory-after SECONDS] PROGRAM [ARGUMENTS...]   (DISPLAY names the server)
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Milliseconds from `start` to the first map of a window that is not a pop-up, or -1 after a minute.
double waitForMap(xcb_connection_t* connection, std::chrono::steady_clock::time_point start) {
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    const auto deadline = start + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline && !xcb_connection_has_error(connection)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped)
                return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
        poll(&watch, 1, 100);
    }
    return -1;
}

// A field of /proc/PID/status in KiB, or -1.
long statusKib(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    }
    return -1;
}

// The display named by DISPLAY. A server that has only just started, or one that is still going
// away under the same number, can refuse a connection for a moment: tries again for five seconds.
xcb_connection_t* connectToDisplay(int* screenNumber) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        xcb_connection_t* connection = xcb_connect(nullptr, screenNumber);
        const int error = xcb_connection_has_error(connection);
        if (error == 0)
            return connection;
        xcb_disconnect(connection);
        if (std::chrono::steady_clock::now() >= deadline) {
            const char* display = std::getenv("DISPLAY");
            std::fprintf(stderr, "mapwait: cannot open the display \"%s\" (xcb error %d)\n",
                         display ? display : "", error);
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace

int main(int argc, char** argv) {
    double memoryAfter = -1;
    if (argc > 2 && std::strcmp(argv[1], "--memory-after") == 0) {
        memoryAfter = std::strtod(argv[2], nullptr);
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwait [--memory-after SECONDS] PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = connectToDisplay(&screenNumber);
    if (connection == nullptr)
        return 2;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server has the mask before the program starts.
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error{
            xcb_request_check(
                connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)),
            &std::free}) {
        std::fprintf(stderr, "mapwait: cannot watch the root window\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror("mapwait: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("mapwait: fork");
        return 2;
    }

    const double took = waitForMap(connection, start);
    if (took >= 0 && memoryAfter >= 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(memoryAfter));
        std::printf("%.2f %ld %ld\n", took, statusKib(child, "VmRSS"), statusKib(child, "VmHWM"));
    } else if (took >= 0) {
        std::printf("%.2f\n", took);
    } else
        std::fprintf(stderr, "mapwait: no window was mapped\n");
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return took >= 0 ? 0 : 1;
}
