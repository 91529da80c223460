// The compositing manager's selection on a scratch X server: a fake manager taking it and going away.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

#include <xcb/xcb.h>

#include "platform/CompositingWatch.h"

namespace {

/// An Xvfb of its own, on the display number it picks; stopped at the end. Another server starting
/// at the same moment may take the number first: then it tries again.
class TScratchXServer {
public:
    TScratchXServer() {
        for (int attempt = 0; attempt < 5 && Display.empty(); ++attempt) Start();
    }
    ~TScratchXServer() { Stop(); }
    std::string Display;  // empty when the server did not start

private:
    void Start() {
        int fds[2];
        if (pipe(fds) != 0) return;
        Pid = fork();
        if (Pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "64x64x24",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes its display number and a line end once it accepts connections; the pipe stays
        // open while it runs, since a write that fails ends it.
        Pipe = fds[0];
        std::string text;
        pollfd ready{Pipe, POLLIN, 0};
        char c = 0;
        while (Pid > 0 && text.find('\n') == std::string::npos && poll(&ready, 1, 10000) == 1 && read(Pipe, &c, 1) == 1)
            text += c;
        if (text.find('\n') != std::string::npos) Display = ":" + std::to_string(std::atoi(text.c_str()));
        if (Display.empty()) Stop();
    }
    void Stop() {
        if (Pid > 0) {
            kill(Pid, SIGTERM);
            waitpid(Pid, nullptr, 0);
        }
        if (Pipe >= 0) close(Pipe);
        Pid = -1;
        Pipe = -1;
    }
    pid_t Pid = -1;
    int Pipe = -1;
};

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

/// A client that owns the compositing selection of screen 0 through a window of its own.
struct TFakeManager {
    explicit TFakeManager(const std::string& display) : Connection(xcb_connect(display.c_str(), nullptr)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(Connection)).data;
        Window = xcb_generate_id(Connection);
        xcb_create_window(Connection, XCB_COPY_FROM_PARENT, Window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_set_selection_owner(Connection, Window, Atom(Connection, "_NET_WM_CM_S0"), XCB_CURRENT_TIME);
        free(xcb_get_input_focus_reply(Connection, xcb_get_input_focus(Connection), nullptr));  // done on the server
    }
    ~TFakeManager() { xcb_disconnect(Connection); }
    xcb_connection_t* Connection;
    xcb_window_t Window = 0;
};

/// Hands the connection's events to the watch until its answer is the expected one or 5 s passed.
bool AnswerBecomes(xcb_connection_t* connection, TCompositingWatch& watch, bool expected) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (watch.Running() != expected && std::chrono::steady_clock::now() < end) {
        pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&readable, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            watch.HandleEvent(event);
            free(event);
        }
    }
    return watch.Running() == expected;
}

}  // namespace

TEST(CompositingWatch, FollowsAManagerThatStartsAndStops) {
    TScratchXServer server;
    ASSERT_FALSE(server.Display.empty()) << "Xvfb did not start";
    xcb_connection_t* connection = xcb_connect(server.Display.c_str(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(connection), 0);
    TCompositingWatch watch(connection, 0);
    EXPECT_TRUE(watch.Following());
    EXPECT_FALSE(watch.Running());
    {
        TFakeManager manager(server.Display);
        EXPECT_TRUE(AnswerBecomes(connection, watch, true)) << "the manager's start was missed";
        const TCompositingWatch later(connection, 0);
        EXPECT_TRUE(later.Running());  // asked while one runs
        xcb_destroy_window(manager.Connection, manager.Window);
        xcb_flush(manager.Connection);
        EXPECT_TRUE(AnswerBecomes(connection, watch, false)) << "the owner's window went unnoticed";
    }
    {
        TFakeManager manager(server.Display);
        EXPECT_TRUE(AnswerBecomes(connection, watch, true));
    }
    EXPECT_TRUE(AnswerBecomes(connection, watch, false)) << "the manager's disconnection went unnoticed";
    EXPECT_FALSE(TCompositingWatch(connection, 0).Running());
    xcb_disconnect(connection);
}
