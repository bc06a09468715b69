// Test helper: stands in for a desktop's clipboard manager by owning the
// CLIPBOARD_MANAGER selection. It saves nothing: it refuses every request at once,
// so a quitting Qt program does not wait for it. Prints "ready" once it owns the
// selection; runs until it is ended or its X server goes.

#include "XcbAtom.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

int main() {
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    xcb_connection_t* const c = connection.get();
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "fake_clipboard_manager: cannot open the display\n");
        return EXIT_FAILURE;
    }
    const xcb_atom_t manager = hueprobe::internAtom(c, "CLIPBOARD_MANAGER");
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window,
                      xcb_setup_roots_iterator(xcb_get_setup(c)).data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_set_selection_owner(c, window, manager, XCB_CURRENT_TIME);
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, manager), nullptr), &std::free);
    if (!owner || owner->owner != window) {
        std::fprintf(stderr, "fake_clipboard_manager: cannot own CLIPBOARD_MANAGER\n");
        return EXIT_FAILURE;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        if ((event->response_type & ~0x80) == XCB_SELECTION_REQUEST) {
            const auto* request = reinterpret_cast<const xcb_selection_request_event_t*>(event);
            xcb_selection_notify_event_t refusal{};
            refusal.response_type = XCB_SELECTION_NOTIFY;
            refusal.time = request->time;
            refusal.requestor = request->requestor;
            refusal.selection = request->selection;
            refusal.target = request->target;
            refusal.property = XCB_NONE;
            char bytes[32] = {};
            std::memcpy(bytes, &refusal, sizeof refusal);
            xcb_send_event(c, 0, request->requestor, XCB_EVENT_MASK_NO_EVENT, bytes);
            xcb_flush(c);
        }
        std::free(event);
    }
    return EXIT_SUCCESS;
}
