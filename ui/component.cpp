#include "ui/component.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/handler_table.h"
#include "ui/win_control.h"

namespace ui {

void Component::Load(const Component_Description&, const Handler_Table&) {}

Control::~Control() {
    if (parent_)
        parent_->Remove_Child(*this);
}

void Control::Set_Parent(Win_Control& parent) {
    if (parent_)
        parent_->Remove_Child(*this);
    parent_ = &parent;
    parent.Add_Child(*this);
}

RECT Control::Rect() const {
    return {bounds_.left, bounds_.top, bounds_.left + bounds_.width, bounds_.top + bounds_.height};
}

void Control::Set_Bounds(int left, int top, int width, int height) {
    const Layout_Rect wanted{left, top, width < 0 ? 0 : width, height < 0 ? 0 : height};
    if (wanted == bounds_)
        return;
    const Layout_Rect old_bounds = std::exchange(bounds_, wanted);
    Bounds_Changed(old_bounds);
}

void Control::Bounds_Changed(const Layout_Rect&) {
    Owner().Update_Hint(*this);
}

void Control::Set_Visible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    Visible_Changed();
    Owner().Update_Hint(*this);
}

bool Control::Showing() const {
    for (const Control* control = this; control; control = control->parent_) {
        if (!control->visible_)
            return false;
    }
    return true;
}

void Control::Set_Enabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Enabled_Changed();
}

void Control::Set_Caption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    Caption_Changed();
}

const Font_Description& Control::Font() const {
    for (const Control* control = this; control; control = control->parent_) {
        if (control->font_)
            return *control->font_;
    }
    static const Font_Description fallback{"Verdana", 8};
    return fallback;
}

void Control::Set_Font(const Font_Description& font) {
    font_ = font;
    Look_Changed();
}

void Control::Set_Font_Colour(Colour colour) {
    Font_Description font = Font();
    font.colour = colour;
    Set_Font(font);
}

HFONT Control::Font_Handle() const {
    return Owner().Font_Handle(Font());
}

Colour Control::Back_Colour() const {
    for (const Control* control = this; control; control = control->parent_) {
        if (control->colour_)
            return *control->colour_;
    }
    return colours::Button_Face;
}

void Control::Set_Back_Colour(Colour colour) {
    colour_ = colour;
    Look_Changed();
}

void Control::Set_Hint(std::string hint) {
    hint_ = std::move(hint);
    Owner().Update_Hint(*this);
}

void Control::Set_Show_Hint(bool show) {
    show_hint_ = show;
    Owner().Update_Hint(*this);
}

void Control::Bring_To_Front() {
    if (parent_)
        parent_->Move_Child(*this, true);
}

void Control::Send_To_Back() {
    if (parent_)
        parent_->Move_Child(*this, false);
}

void Control::Mouse_Down(Mouse_Button button, Shift_State shift, int x, int y) {
    On_Mouse_Down(*this, button, shift, x, y);
}

void Control::Mouse_Up(Mouse_Button button, Shift_State shift, int x, int y) {
    On_Mouse_Up(*this, button, shift, x, y);
}

void Control::Mouse_Move(Shift_State shift, int x, int y) {
    On_Mouse_Move(*this, shift, x, y);
}

void Control::Click() {
    On_Click(*this);
}

void Control::Dbl_Click() {
    On_Dbl_Click(*this);
}

void Control::Load(const Component_Description& description, const Handler_Table& handlers) {
    const Layout_Rect bounds = description.Bounds();
    bounds_ = bounds;
    visible_ = description.Flag("visible", Visible_By_Default());
    enabled_ = description.Flag("enabled", true);
    caption_ = description.Text("caption");
    font_ = description.Font();
    colour_ = description.Colour_Of("colour");
    if (description.Flag("parent_colour"))
        colour_.reset();
    hint_ = description.Text("hint");
    show_hint_ = description.Flag("show_hint");
    const std::string cursor = description.Word("cursor", "arrow");
    if (cursor == "hand")
        cursor_ = Cursor_Shape::Hand;
    else if (cursor != "arrow")
        description.Fail(nullptr, "the cursor is arrow or hand");
    handlers.Wire(On_Click, description, "on_click");
    handlers.Wire(On_Dbl_Click, description, "on_dbl_click");
    handlers.Wire(On_Mouse_Down, description, "on_mouse_down");
    handlers.Wire(On_Mouse_Up, description, "on_mouse_up");
    handlers.Wire(On_Mouse_Move, description, "on_mouse_move");
}

Alignment Alignment_Of(const Component_Description& description, Alignment fallback,
                       std::string_view key) {
    if (!description.Has(key))
        return fallback;
    const std::string word = description.Word(key);
    if (word == "left")
        return Alignment::Left;
    if (word == "centre")
        return Alignment::Centre;
    if (word == "right")
        return Alignment::Right;
    description.Fail(nullptr, std::string(key) + " is left, centre or right");
}

}  // namespace ui
