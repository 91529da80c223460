// Whether a compositing manager runs on an X11 screen, followed while it starts and stops.
#pragma once

#include <cstdint>

struct xcb_connection_t;

/// The screen's compositing manager is the owner of the selection _NET_WM_CM_S<screen>. The watch asks
/// for the owner once and then follows the X server's notes on that selection (through the XFIXES
/// extension; without it the first answer stays). The connection's events are handed in by its reader.
class TCompositingWatch {
public:
    TCompositingWatch(xcb_connection_t* connection, int screen);
    TCompositingWatch(const TCompositingWatch&) = delete;
    TCompositingWatch& operator=(const TCompositingWatch&) = delete;

    bool Running() const { return Running_; }
    /// Whether the watch is told when the owner changes.
    bool Following() const { return FirstEvent_ != 0; }
    /// Takes one event of the connection (an xcb_generic_event_t); true when it changed the answer.
    bool HandleEvent(const void* event);

private:
    bool AskOwner() const;

    xcb_connection_t* Connection_;
    uint32_t Selection_ = 0;   // the atom _NET_WM_CM_S<screen>
    uint8_t FirstEvent_ = 0;  // the XFIXES extension's first event code; 0 without it
    bool Running_ = false;
};

/// The default screen's number of the X display named by the environment (0 when unknown).
int DefaultX11Screen();
