// hueprobe-clipboard-keeper: keeps a text on the X11 clipboard after Hueprobe quits.
//
// On X11 the clipboard is no store: the program that copied serves the text to every
// program that pastes, so the text goes when that program ends. A clipboard manager,
// where one runs, takes the text over (Qt hands it over at quit). Where none runs,
// Hueprobe starts this keeper at quit, writes the text to its standard input and
// names the window through which it owns the clipboard as the one argument.
//
// The keeper reads the text, takes the clipboard, then leaves Hueprobe's session and
// serves the text until another program takes the clipboard or the X server goes
// away; it waits for nothing else, so it never outstays either. It takes the clipboard
// as of the moment Hueprobe took it, so a text another program copied meanwhile stays.
// The process that Hueprobe started returns as soon as that is settled: status 0 when
// the text is served (or a clipboard manager runs, or a newer copy stays), 1 with one
// line on stderr when it cannot be.
//
// Plain xcb rather than Qt: the keeper stays resident, so it is a few hundred kilobytes
// instead of a Qt program's tens of megabytes, and it joins nothing of the desktop
// session (no platform theme, no session manager, no accessibility bus).

#include "StandardStreams.h"
#include "XcbAtom.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using hueprobe::internAtom;

constexpr const char* Program = "hueprobe-clipboard-keeper";

// A text of this size fits into one property change on every X server (the core
// protocol takes requests of up to 256 KiB), so no incremental transfer is needed.
// Hueprobe's texts are colour codes of a few bytes.
constexpr std::size_t MaxTextBytes = std::size_t{64} * 1024;

// How long the keeper waits for the window it takes over from to answer.
constexpr int AnswerMilliseconds = 5000;

enum class Outcome : char { Served = '0', Failed = '1', Newer = '2' };

void report(const char* message) {
    std::fprintf(stderr, "%s: %s\n", Program, message);
}

bool readText(std::string& text) {
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, buffer.data(), buffer.size());
        if (count == 0)
            return true;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            report("cannot read the text from standard input");
            return false;
        }
        text.append(buffer.data(), std::size_t(count));
        if (text.size() > MaxTextBytes) {
            report("the text is longer than 64 KiB");
            return false;
        }
    }
}

bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) > 0x7F)
            return false;
    return true;
}

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_window_t selectionOwner(xcb_connection_t* connection, xcb_atom_t selection) {
    const auto cookie = xcb_get_selection_owner(connection, selection);
    const Reply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->owner : xcb_window_t(XCB_NONE);
}

// A form in which the text is offered to a program that pastes.
struct TextTarget {
    xcb_atom_t target; // what the paster asks for
    xcb_atom_t type;   // the type the property is written with
};

struct Clipboard {
    xcb_connection_t* connection;
    xcb_window_t window;
    xcb_atom_t selection;
    xcb_atom_t targetsAtom;
    xcb_atom_t timestampAtom;
    xcb_timestamp_t ownedSince;
    std::string text;
    std::vector<TextTarget> textTargets;

    std::vector<xcb_atom_t> targets() const {
        std::vector<xcb_atom_t> atoms{targetsAtom, timestampAtom};
        for (const TextTarget& form : textTargets)
            atoms.push_back(form.target);
        return atoms;
    }

    // Writes the answer to target into the requestor's property; false when the
    // target is not one the keeper offers.
    bool store(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target) const {
        if (target == targetsAtom) {
            const std::vector<xcb_atom_t> atoms = targets();
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property,
                                XCB_ATOM_ATOM, 32, uint32_t(atoms.size()), atoms.data());
            return true;
        }
        if (target == timestampAtom) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property,
                                XCB_ATOM_INTEGER, 32, 1, &ownedSince);
            return true;
        }
        for (const TextTarget& form : textTargets) {
            if (form.target == target) {
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property,
                                    form.type, 8, uint32_t(text.size()), text.data());
                return true;
            }
        }
        return false;
    }

    void answer(const xcb_selection_request_event_t& request) const {
        // Clients of the oldest conventions name no property: the target names it then.
        xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
        const bool askedForEarlierOwner =
            request.time != XCB_CURRENT_TIME && request.time < ownedSince;
        if (askedForEarlierOwner || !store(request.requestor, property, request.target))
            property = XCB_NONE; // refused
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = property;
        std::array<char, 32> event{}; // xcb_send_event sends exactly 32 bytes
        std::memcpy(event.data(), &notify, sizeof notify);
        xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, event.data());
        xcb_flush(connection);
    }

    // Serves the text until another program owns the clipboard or the server goes away.
    void serve() const {
        for (;;) {
            const Reply<xcb_generic_event_t> event(xcb_wait_for_event(connection), &std::free);
            if (!event)
                return; // the X server is gone, and every program that could paste with it
            switch (event->response_type & ~0x80) {
            case XCB_SELECTION_REQUEST:
                answer(*reinterpret_cast<const xcb_selection_request_event_t*>(event.get()));
                break;
            case XCB_SELECTION_CLEAR:
                if (reinterpret_cast<const xcb_selection_clear_event_t*>(event.get())->selection ==
                    selection)
                    return; // another program copied: its text is the clipboard now
                break;
            default:
                break; // errors from requestors that went away meanwhile change nothing
            }
        }
    }
};

// The server's current time, read from the property change it reports on our own
// window: the conventions ask for a real time, not CurrentTime, when taking a selection.
bool serverTime(xcb_connection_t* connection, xcb_window_t window, xcb_timestamp_t& time) {
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                        8, 0, nullptr);
    xcb_flush(connection);
    for (;;) {
        const Reply<xcb_generic_event_t> event(xcb_wait_for_event(connection), &std::free);
        if (!event)
            return false;
        if ((event->response_type & ~0x80) == XCB_PROPERTY_NOTIFY) {
            time = reinterpret_cast<const xcb_property_notify_event_t*>(event.get())->time;
            return true;
        }
    }
}

xcb_window_t createWindow(xcb_connection_t* connection, int screenNumber) {
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    return window;
}

std::vector<TextTarget> textTargets(xcb_connection_t* connection, const std::string& text) {
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
    const xcb_atom_t mimeUtf8 = internAtom(connection, "text/plain;charset=utf-8");
    std::vector<TextTarget> forms{{utf8, utf8}, {mimeUtf8, mimeUtf8}};
    if (isAscii(text)) { // the same bytes are valid Latin-1 and plain text
        const xcb_atom_t mimePlain = internAtom(connection, "text/plain");
        forms.push_back({XCB_ATOM_STRING, XCB_ATOM_STRING});
        forms.push_back({internAtom(connection, "TEXT"), XCB_ATOM_STRING});
        forms.push_back({mimePlain, mimePlain});
    }
    return forms;
}

// Standard streams to /dev/null and the working folder to /: the served keeper holds
// neither Hueprobe's terminal nor the folder it was started in.
void detachFromStarter() {
    if (chdir("/") != 0)
        report("cannot leave the working folder");
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO)
            close(null);
    }
}

void tell(int statusPipe, Outcome outcome) {
    const char byte = static_cast<char>(outcome);
    while (write(statusPipe, &byte, 1) < 0 && errno == EINTR) {
    }
    close(statusPipe);
}

// The next event; none once the server is gone or nothing came for a while.
Reply<xcb_generic_event_t> nextEvent(xcb_connection_t* connection) {
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(connection))
            return {event, &std::free};
        pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
        if (xcb_connection_has_error(connection) || poll(&readable, 1, AnswerMilliseconds) <= 0)
            return {nullptr, &std::free};
    }
}

// When the current owner took the clipboard, as it answers for TIMESTAMP; nothing
// when it does not answer.
std::optional<xcb_timestamp_t> timeTaken(const Clipboard& clipboard) {
    xcb_connection_t* const c = clipboard.connection;
    xcb_convert_selection(c, clipboard.window, clipboard.selection, clipboard.timestampAtom,
                          clipboard.timestampAtom, XCB_CURRENT_TIME);
    xcb_flush(c);
    for (;;) {
        const Reply<xcb_generic_event_t> event = nextEvent(c);
        if (!event)
            return std::nullopt;
        if ((event->response_type & ~0x80) != XCB_SELECTION_NOTIFY)
            continue;
        if (reinterpret_cast<const xcb_selection_notify_event_t*>(event.get())->property ==
            XCB_NONE)
            return std::nullopt;
        const auto cookie = xcb_get_property(c, 1, clipboard.window, clipboard.timestampAtom,
                                             XCB_ATOM_INTEGER, 0, 1);
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                    &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(xcb_timestamp_t))
            return std::nullopt;
        return *static_cast<const xcb_timestamp_t*>(xcb_get_property_value(reply.get()));
    }
}

// Takes the clipboard over from the window that Hueprobe named, as of the moment that
// window took it: the server refuses it if another program copied since. Where that
// window cannot say when, or none is named, as of now.
Outcome takeOver(Clipboard& clipboard, xcb_window_t previousOwner) {
    xcb_connection_t* const c = clipboard.connection;
    std::optional<xcb_timestamp_t> since;
    if (previousOwner != XCB_NONE) {
        since = timeTaken(clipboard);
        if (selectionOwner(c, clipboard.selection) != previousOwner)
            return Outcome::Newer; // another program copied: the answer may be its own
    }
    if (!since && !serverTime(c, clipboard.window, clipboard.ownedSince)) {
        report("lost the X display before taking the clipboard");
        return Outcome::Failed;
    }
    clipboard.ownedSince = since.value_or(clipboard.ownedSince);
    xcb_set_selection_owner(c, clipboard.window, clipboard.selection, clipboard.ownedSince);
    if (selectionOwner(c, clipboard.selection) == clipboard.window)
        return Outcome::Served;
    if (since)
        return Outcome::Newer;
    report("cannot take the clipboard");
    return Outcome::Failed;
}

// The keeper proper, in its own session. Tells the starter through statusPipe once
// the text is served or cannot be.
int keep(std::string text, xcb_window_t previousOwner, int statusPipe) {
    std::signal(SIGPIPE, SIG_IGN); // a vanished server shows as a connection error instead
    int screenNumber = 0;
    const Connection connection(xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) {
        report("cannot open the X display");
        tell(statusPipe, Outcome::Failed);
        return EXIT_FAILURE;
    }
    xcb_connection_t* const c = connection.get();
    if (selectionOwner(c, internAtom(c, "CLIPBOARD_MANAGER")) != XCB_NONE) {
        tell(statusPipe, Outcome::Served); // the clipboard manager takes the text from Hueprobe
        return EXIT_SUCCESS;
    }
    Clipboard clipboard{c,
                        createWindow(c, screenNumber),
                        internAtom(c, "CLIPBOARD"),
                        internAtom(c, "TARGETS"),
                        internAtom(c, "TIMESTAMP"),
                        XCB_CURRENT_TIME,
                        std::move(text),
                        {}};
    clipboard.textTargets = textTargets(c, clipboard.text);
    const Outcome outcome = takeOver(clipboard, previousOwner);
    if (outcome != Outcome::Served) {
        tell(statusPipe, outcome);
        return outcome == Outcome::Newer ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    detachFromStarter();
    tell(statusPipe, Outcome::Served);
    clipboard.serve();
    return EXIT_SUCCESS;
}

} // namespace

// Usage: hueprobe-clipboard-keeper [WINDOW] <TEXT
int main(int argc, char* argv[]) {
    hueprobe::openClosedStandardStreams();
    closefrom(STDERR_FILENO + 1); // hold nothing else that Hueprobe had open
    const xcb_window_t previousOwner =
        argc > 1 ? xcb_window_t(std::strtoul(argv[1], nullptr, 10)) : xcb_window_t(XCB_NONE);
    std::string text;
    if (!readText(text))
        return EXIT_FAILURE;
    int status[2];
    if (pipe(status) != 0) {
        report("cannot start: no pipe");
        return EXIT_FAILURE;
    }
    const pid_t keeper = fork();
    if (keeper < 0) {
        report("cannot start: no process");
        return EXIT_FAILURE;
    }
    if (keeper == 0) {
        close(status[0]);
        setsid(); // outlives Hueprobe, its terminal and its session
        _exit(keep(std::move(text), previousOwner, status[1]));
    }
    close(status[1]);
    char outcome = static_cast<char>(Outcome::Failed);
    ssize_t count = 0;
    while ((count = read(status[0], &outcome, 1)) < 0 && errno == EINTR) {
    }
    if (count != 1) {
        report("stopped before taking the clipboard");
        outcome = static_cast<char>(Outcome::Failed);
    }
    if (outcome != static_cast<char>(Outcome::Served))
        waitpid(keeper, nullptr, 0); // it ends right after telling; don't leave it a zombie
    return outcome == static_cast<char>(Outcome::Failed) ? EXIT_FAILURE : EXIT_SUCCESS;
}
