// The compositing manager's selection: its owner asked once, then followed through XFIXES notes.
#include "CompositingWatch.h"

#include <cstdlib>
#include <memory>
#include <string>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Take(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_window_t RootOf(xcb_connection_t* connection, int screen) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i)
        if (i == screen) return it.data->root;
    return XCB_WINDOW_NONE;
}

}  // namespace

TCompositingWatch::TCompositingWatch(xcb_connection_t* connection, int screen) : Connection_(connection) {
    if (Connection_ == nullptr || xcb_connection_has_error(Connection_) != 0) return;
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    auto atom = Take(xcb_intern_atom_reply(
        Connection_, xcb_intern_atom(Connection_, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr));
    if (!atom) return;
    Selection_ = atom->atom;
    const xcb_window_t root = RootOf(Connection_, screen);
    const xcb_query_extension_reply_t* fixes = xcb_get_extension_data(Connection_, &xcb_xfixes_id);
    if (root != XCB_WINDOW_NONE && fixes != nullptr && fixes->present != 0) {
        // The extension answers nothing else before its version is agreed.
        auto version = Take(xcb_xfixes_query_version_reply(
            Connection_, xcb_xfixes_query_version(Connection_, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
            nullptr));
        if (version) {
            xcb_xfixes_select_selection_input(Connection_, root, Selection_,
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                                  XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                                  XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
            FirstEvent_ = fixes->first_event;
        }
    }
    // Asked after the selection is watched, so that no change falls between the two.
    Running_ = AskOwner();
}

bool TCompositingWatch::AskOwner() const {
    auto owner = Take(xcb_get_selection_owner_reply(Connection_, xcb_get_selection_owner(Connection_, Selection_), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

bool TCompositingWatch::HandleEvent(const void* event) {
    if (FirstEvent_ == 0 || event == nullptr) return false;
    const auto* generic = static_cast<const xcb_generic_event_t*>(event);
    if ((generic->response_type & 0x7F) != FirstEvent_ + XCB_XFIXES_SELECTION_NOTIFY) return false;
    const auto* note = static_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    if (note->selection != Selection_) return false;
    // The note names the new owner only when one was set; after a destroy or a close there is none.
    const bool running = note->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER && note->owner != XCB_WINDOW_NONE;
    const bool changed = running != Running_;
    Running_ = running;
    return changed;
}

int DefaultX11Screen() {
    int screen = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0) return 0;
    std::free(host);
    return screen;
}
