#pragma once
// Events of components: the handler signatures, and an event as wired by the layout (the
// handler's name beside the call, so that the wiring can be read back).

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace ui {

class Component;

enum class Mouse_Button { Left, Right, Middle };

struct Shift_State {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
    bool double_click = false;
};

// The keys and buttons held down with a mouse message (its wParam), and Alt from the keyboard.
Shift_State Mouse_Shift_State(WPARAM mouse_keys);
// The modifier keys held down now.
Shift_State Keyboard_Shift_State();

using Notify_Handler = std::function<void(Component& sender)>;
using Mouse_Handler =
    std::function<void(Component& sender, Mouse_Button button, Shift_State shift, int x, int y)>;
using Mouse_Move_Handler = std::function<void(Component& sender, Shift_State shift, int x, int y)>;
using Key_Handler = std::function<void(Component& sender, WORD& key, Shift_State shift)>;
using Close_Query_Handler = std::function<void(Component& sender, bool& can_close)>;

template <typename Handler>
struct Event {
    std::string handler;  // the name the layout wired, empty when unwired
    Handler call;

    explicit operator bool() const { return static_cast<bool>(call); }

    template <typename... Arguments>
    void operator()(Arguments&&... arguments) const {
        if (call)
            call(std::forward<Arguments>(arguments)...);
    }
};

}  // namespace ui
