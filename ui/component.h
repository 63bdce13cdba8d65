#pragma once
// Everything a form holds is a component with a name; everything with a place on the screen is a
// control. Controls are either windowless (painted by the window that holds them) or windowed
// (a child window of their own).

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/colour.h"
#include "ui/events.h"
#include "ui/layout_description.h"

namespace ui {

class Form;
class Win_Control;
class Handler_Table;

class Component {
  public:
    Component(Form& owner, std::string name) : owner_(&owner), name_(std::move(name)) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    Form& Owner() const { return *owner_; }

    // The kind as the layout names it ("Push_Button", "Image", ...).
    virtual std::string_view Kind() const = 0;

    // Takes this kind's lines of the layout; events are wired to the handlers named there.
    virtual void Load(const Component_Description& description, const Handler_Table& handlers);

  private:
    Form* owner_;
    std::string name_;
};

enum class Cursor_Shape { Arrow, Hand };
enum class Alignment { Left, Centre, Right };

class Control : public Component {
  public:
    Control(Form& owner, std::string name) : Component(owner, std::move(name)) {}
    ~Control() override;

    Win_Control* Parent() const { return parent_; }
    // Puts the control into `parent`, on top of its siblings.
    virtual void Set_Parent(Win_Control& parent);

    const Layout_Rect& Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void Set_Bounds(int left, int top, int width, int height);
    void Set_Left(int left) { Set_Bounds(left, Top(), Width(), Height()); }
    void Set_Top(int top) { Set_Bounds(Left(), top, Width(), Height()); }
    void Set_Width(int width) { Set_Bounds(Left(), Top(), width, Height()); }
    void Set_Height(int height) { Set_Bounds(Left(), Top(), Width(), height); }
    RECT Rect() const;  // the bounds as a Win32 rectangle in the parent's client area

    bool Visible() const { return visible_; }
    void Set_Visible(bool visible);
    void Show() { Set_Visible(true); }
    void Hide() { Set_Visible(false); }
    // Visible, and so is every control around it.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void Set_Enabled(bool enabled);

    const std::string& Caption() const { return caption_; }
    void Set_Caption(std::string caption);

    // The control's own font, or its parent's when it has none.
    const Font_Description& Font() const;
    bool Has_Own_Font() const { return font_.has_value(); }
    void Set_Font(const Font_Description& font);
    // The same font in another colour.
    void Set_Font_Colour(Colour colour);
    HFONT Font_Handle() const;

    // The colour the control fills its background with (its parent's when it takes that).
    Colour Back_Colour() const;
    void Set_Back_Colour(Colour colour);

    const std::string& Hint() const { return hint_; }
    bool Show_Hint() const { return show_hint_; }
    void Set_Hint(std::string hint);
    void Set_Show_Hint(bool show);

    Cursor_Shape Cursor() const { return cursor_; }

    // Repaints the control soon, or at once.
    virtual void Invalidate() = 0;
    virtual void Repaint() = 0;
    // Moves the control above or below its siblings of the same sort (windowless controls
    // always lie below windowed ones).
    void Bring_To_Front();
    void Send_To_Back();

    virtual bool Is_Windowed() const = 0;

    Event<Notify_Handler> On_Click;
    Event<Notify_Handler> On_Dbl_Click;
    Event<Mouse_Handler> On_Mouse_Down;
    Event<Mouse_Handler> On_Mouse_Up;
    Event<Mouse_Move_Handler> On_Mouse_Move;

    // Mouse input, routed here by the window that received it; x and y in this control's
    // client coordinates.
    virtual void Mouse_Down(Mouse_Button button, Shift_State shift, int x, int y);
    virtual void Mouse_Up(Mouse_Button button, Shift_State shift, int x, int y);
    virtual void Mouse_Move(Shift_State shift, int x, int y);
    virtual void Click();
    virtual void Dbl_Click();

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    friend class Win_Control;
    // Whether the control shows when the layout does not say.
    virtual bool Visible_By_Default() const { return true; }
    // Reactions of each kind; the stored value has already changed.
    virtual void Bounds_Changed(const Layout_Rect& old_bounds);
    virtual void Visible_Changed() = 0;
    virtual void Enabled_Changed() {}
    virtual void Caption_Changed() { Invalidate(); }
    virtual void Look_Changed() { Invalidate(); }  // font or colour

  private:
    Win_Control* parent_ = nullptr;
    Layout_Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::optional<Font_Description> font_;
    std::optional<Colour> colour_;  // none: the parent's
    std::string hint_;
    bool show_hint_ = false;
    Cursor_Shape cursor_ = Cursor_Shape::Arrow;
};

// Reads "alignment left|centre|right" (or another key of the same values).
Alignment Alignment_Of(const Component_Description& description, Alignment fallback,
                       std::string_view key = "alignment");

}  // namespace ui
