#include "ui/events.h"

namespace ui {

namespace {

bool Key_Down(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

Shift_State Mouse_Shift_State(WPARAM mouse_keys) {
    Shift_State state;
    state.shift = (mouse_keys & MK_SHIFT) != 0;
    state.ctrl = (mouse_keys & MK_CONTROL) != 0;
    state.left = (mouse_keys & MK_LBUTTON) != 0;
    state.right = (mouse_keys & MK_RBUTTON) != 0;
    state.middle = (mouse_keys & MK_MBUTTON) != 0;
    state.alt = Key_Down(VK_MENU);
    return state;
}

Shift_State Keyboard_Shift_State() {
    Shift_State state;
    state.shift = Key_Down(VK_SHIFT);
    state.ctrl = Key_Down(VK_CONTROL);
    state.alt = Key_Down(VK_MENU);
    return state;
}

}  // namespace ui
