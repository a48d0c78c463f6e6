// A keyboard and a pointer for the Wayland end-to-end tests, through the
// compositor's virtual-keyboard and virtual-pointer protocols. One keyboard
// with a full US keymap for the whole session, so that key codes are those of
// a real keyboard. Commands on standard input, one per line, each answered
// with "ok" once the compositor has handled it:
//   key <keysym>      press and release
//   move <x> <y>      the pointer to a point of the output
//   moveby <dx> <dy>  the pointer by a distance, as a mouse moves it
//   button <1|0>      the left button down or up
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// The two protocols' interfaces, written out: requests only, in their order.
const wl_interface* noTypes[8] = {};

const wl_message keyboardRequests[] = {
    {"keymap", "uhu", noTypes},
    {"key", "uuu", noTypes},
    {"modifiers", "uuuuu", noTypes},
    {"destroy", "", noTypes},
};
const wl_interface keyboardInterface = {"zwp_virtual_keyboard_v1", 1, 4,
                                        keyboardRequests,          0, nullptr};
const wl_interface* keyboardCreateTypes[] = {&wl_seat_interface, &keyboardInterface};
const wl_message keyboardManagerRequests[] = {
    {"create_virtual_keyboard", "on", keyboardCreateTypes},
};
const wl_interface keyboardManagerInterface = {"zwp_virtual_keyboard_manager_v1", 1, 1,
                                               keyboardManagerRequests,           0, nullptr};

const wl_message pointerRequests[] = {
    {"motion", "uff", noTypes},   {"motion_absolute", "uuuuu", noTypes},
    {"button", "uuu", noTypes},   {"axis", "uuf", noTypes},
    {"frame", "", noTypes},       {"axis_source", "u", noTypes},
    {"axis_stop", "uu", noTypes}, {"axis_discrete", "uufi", noTypes},
    {"destroy", "", noTypes},
};
const wl_interface pointerInterface = {"zwlr_virtual_pointer_v1", 1, 9,
                                       pointerRequests,           0, nullptr};
const wl_interface* pointerCreateTypes[] = {&wl_seat_interface, &pointerInterface};
const wl_message pointerManagerRequests[] = {
    {"create_virtual_pointer", "?on", pointerCreateTypes},
    {"destroy", "", noTypes},
};
const wl_interface pointerManagerInterface = {
    "zwlr_virtual_pointer_manager_v1", 1, 2, pointerManagerRequests, 0, nullptr};

enum : uint32_t { kKeymap = 0, kKey = 1 };
enum : uint32_t { kMotion = 0, kMotionAbsolute = 1, kButton = 2, kFrame = 4 };

struct Globals {
    wl_seat* seat = nullptr;
    wl_proxy* keyboards = nullptr;
    wl_proxy* pointers = nullptr;
};

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* g = static_cast<Globals*>(data);
    if (!std::strcmp(interface, "wl_seat") && !g->seat)
        g->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (!std::strcmp(interface, keyboardManagerInterface.name))
        g->keyboards =
            static_cast<wl_proxy*>(wl_registry_bind(registry, name, &keyboardManagerInterface, 1));
    else if (!std::strcmp(interface, pointerManagerInterface.name))
        g->pointers =
            static_cast<wl_proxy*>(wl_registry_bind(registry, name, &pointerManagerInterface, 1));
}
void globalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener registryListener = {global, globalRemove};

uint32_t now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

// The keymap handed to the compositor, and the key code of a keysym in it.
struct Keymap {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* map = nullptr;

    ~Keymap() {
        xkb_keymap_unref(map);
        xkb_context_unref(context);
    }
    bool load() {
        const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
        map = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        return map != nullptr;
    }
    // The evdev code of the first key whose unshifted symbol it is; 0 if none.
    uint32_t codeOf(const std::string& name) const {
        const xkb_keysym_t sym = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_CASE_INSENSITIVE);
        for (xkb_keycode_t k = xkb_keymap_min_keycode(map); k <= xkb_keymap_max_keycode(map); ++k) {
            const xkb_keysym_t* syms = nullptr;
            const int n = xkb_keymap_key_get_syms_by_level(map, k, 0, 0, &syms);
            for (int i = 0; i < n; ++i)
                if (syms[i] == sym) return k - 8;
        }
        return 0;
    }
    // The keymap text in a shared-memory file, as the protocol passes it.
    int file(uint32_t& size) const {
        char* text = xkb_keymap_get_as_string(map, XKB_KEYMAP_FORMAT_TEXT_V1);
        size = uint32_t(std::strlen(text) + 1);
        const int fd = memfd_create("zx-keymap", MFD_CLOEXEC);
        const bool written = fd >= 0 && write(fd, text, size) == ssize_t(size);
        std::free(text);
        return written ? fd : -1;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: zx_wl_input <output width> <output height>\n";
        return 2;
    }
    const uint32_t width = uint32_t(std::stoul(argv[1])), height = uint32_t(std::stoul(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::cerr << "no Wayland display\n";
        return 1;
    }
    Globals g;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &g);
    wl_display_roundtrip(display);
    Keymap keymap;
    if (!g.seat || !g.keyboards || !g.pointers || !keymap.load()) {
        std::cerr << "the compositor offers no virtual keyboard or pointer\n";
        return 1;
    }
    auto* keyboard =
        wl_proxy_marshal_constructor(g.keyboards, 0, &keyboardInterface, g.seat, nullptr);
    auto* pointer = wl_proxy_marshal_constructor(g.pointers, 0, &pointerInterface, g.seat, nullptr);
    uint32_t size = 0;
    const int fd = keymap.file(size);
    if (fd < 0) return 1;
    wl_proxy_marshal(keyboard, kKeymap, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, size);
    wl_display_roundtrip(display);
    close(fd);
    std::cout << "ready" << std::endl;

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "key") {
            std::string name;
            in >> name;
            const uint32_t code = keymap.codeOf(name);
            if (!code) {
                std::cout << "unknown key " << name << std::endl;
                continue;
            }
            wl_proxy_marshal(keyboard, kKey, now(), code, uint32_t(WL_KEYBOARD_KEY_STATE_PRESSED));
            wl_display_roundtrip(display);
            usleep(20000);
            wl_proxy_marshal(keyboard, kKey, now(), code, uint32_t(WL_KEYBOARD_KEY_STATE_RELEASED));
        } else if (command == "move") {
            uint32_t x = 0, y = 0;
            in >> x >> y;
            wl_proxy_marshal(pointer, kMotionAbsolute, now(), x, y, width, height);
            wl_proxy_marshal(pointer, kFrame);
        } else if (command == "moveby") {
            int dx = 0, dy = 0;
            in >> dx >> dy;
            wl_proxy_marshal(pointer, kMotion, now(), wl_fixed_from_int(dx), wl_fixed_from_int(dy));
            wl_proxy_marshal(pointer, kFrame);
        } else if (command == "button") {
            int down = 0;
            in >> down;
            wl_proxy_marshal(pointer, kButton, now(), uint32_t(BTN_LEFT),
                             uint32_t(down ? WL_POINTER_BUTTON_STATE_PRESSED
                                           : WL_POINTER_BUTTON_STATE_RELEASED));
            wl_proxy_marshal(pointer, kFrame);
        }
        wl_display_roundtrip(display);
        std::cout << "ok" << std::endl;
    }
    wl_proxy_marshal(keyboard, 3);  // destroy
    wl_proxy_destroy(keyboard);
    wl_proxy_marshal(pointer, 8);  // destroy
    wl_proxy_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
