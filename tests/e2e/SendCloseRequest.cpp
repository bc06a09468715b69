// Asks a window to close the way a window manager does when its close box is
// pressed: a WM_DELETE_WINDOW message of the WM_PROTOCOLS kind. (Destroying the
// window, as xdotool's windowclose does, is not what a person's click sends.)
// Usage: send-close-request WINDOW-ID

#include "XcbAtom.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    event.type = hueprobe::internAtom(connection, "WM_PROTOCOLS");
    event.data.data32[0] = hueprobe::internAtom(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_void_cookie_t sent =
        xcb_send_event_checked(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                               reinterpret_cast<const char*>(&event));
    xcb_generic_error_t* error = xcb_request_check(connection, sent);
    if (error)
        std::fprintf(stderr, "%s: the X server refused the request (error %d)\n", argv[0],
                     error->error_code);
    std::free(error);
    xcb_disconnect(connection);
    return error ? 1 : 0;
}
