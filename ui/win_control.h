#pragma once
// Windowed controls: each a real child window whose text is its caption and which carries its
// component name (ui/component_name.h), so that automation finds controls by name or caption.
//
// Two sorts: Custom_Control windows belong to this layer's own window class, painted through a
// back buffer together with the windowless controls they hold; System_Control windows are the
// system's standard controls (buttons, track bars, tabs, ...) subclassed with SetWindowSubclass.
// Notifications that a child sends to its parent (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL,
// WM_CTLCOLOR*) are handed back to the child's own object.

#include <vector>

#include "ui/component.h"
#include "ui/handles.h"
#include "ui/painting.h"

namespace ui {

class Win_Control : public Control {
  public:
    using Control::Control;
    ~Win_Control() override;

    HWND Handle() const { return handle_; }
    bool Is_Windowed() const override { return true; }
    void Invalidate() override;
    void Repaint() override;

    // The controls inside, windowless and windowed, in z-order from the bottom (windowed ones
    // also in Tab order).
    const std::vector<Control*>& Children() const { return children_; }

    virtual bool Is_Tab_Stop() const { return false; }
    bool Focused() const;
    bool Contains_Focus() const;
    void Set_Focus();

    Event<Notify_Handler> On_Enter;
    Event<Key_Handler> On_Key_Down;

    // Makes the window; the parent's window must exist.
    void Create_Window();

    // The control of a window of this layer, or null.
    static Win_Control* From_Window(HWND window);
    // The control of that window or of the nearest window around it that belongs to this layer.
    static Win_Control* From_Window_Or_Ancestor(HWND window);

    // Repaints part of the client area, windowed children included.
    virtual void Invalidate_Area(const RECT& area);

    // The brush a standard child paints its background with (WM_CTLCOLOR*), origin set for it.
    virtual HBRUSH Child_Background(HDC child_dc, const Control& child);

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    friend class Control;
    friend class Form;
    void Add_Child(Control& child);
    void Remove_Child(Control& child);
    void Move_Child(Control& child, bool to_top);

    virtual HWND Make_Window(HWND parent_window) = 0;
    DWORD Base_Style() const;  // child, clip siblings, visible and disabled as set
    // Sets what lives in the window once it exists (font, ranges, ...).
    virtual void Window_Created();

    // Every message of the window; the default handles focus, reflection and cursor.
    virtual LRESULT Handle_Message(UINT message, WPARAM w_param, LPARAM l_param);
    // The window's own handling: DefWindowProc, or the standard control's procedure.
    LRESULT Default_Message(UINT message, WPARAM w_param, LPARAM l_param);
    // A notification this control sent to its parent; `handled` false leaves it to the parent.
    virtual LRESULT Reflected(UINT message, WPARAM w_param, LPARAM l_param, bool& handled);
    // The colours of a WM_CTLCOLOR* message this control sent.
    virtual HBRUSH Control_Colour(HDC dc);

    void Bounds_Changed(const Layout_Rect& old_bounds) override;
    void Visible_Changed() override;
    void Enabled_Changed() override;
    void Caption_Changed() override;
    void Look_Changed() override;

  private:
    friend class Custom_Control;
    friend class System_Control;
    // Entry from the window procedures: guards against exceptions and a form being destroyed.
    LRESULT Dispatch(UINT message, WPARAM w_param, LPARAM l_param);
    void Attach(HWND window, bool subclassed);
    void Detach();

    HWND handle_ = nullptr;
    bool subclassed_ = false;
    std::vector<Control*> children_;
};

// A window of this layer's own class: paints itself and its windowless controls through one back
// buffer (WM_ERASEBKGND paints nothing), and routes the mouse to the topmost windowless control
// under it.
class Custom_Control : public Win_Control {
  public:
    using Win_Control::Win_Control;

    void Invalidate_Area(const RECT& area) override;
    HBRUSH Child_Background(HDC child_dc, const Control& child) override;

    // Paints the whole client area: background, then the windowless controls.
    void Paint_Client(HDC dc);

    // The topmost visible and enabled windowless control at a client point, or null.
    Control* Control_At(POINT point) const;

  protected:
    static const wchar_t* Class_Name();
    HWND Make_Window(HWND parent_window) override;
    virtual DWORD Style() const { return Base_Style() | WS_CLIPCHILDREN; }
    virtual DWORD Ex_Style() const { return WS_EX_CONTROLPARENT; }

    virtual void Paint_Background(HDC dc, const RECT& client);

    LRESULT Handle_Message(UINT message, WPARAM w_param, LPARAM l_param) override;
    void Bounds_Changed(const Layout_Rect& old_bounds) override;

    static LRESULT CALLBACK Window_Procedure(HWND window, UINT message, WPARAM w_param,
                                             LPARAM l_param);

  private:
    // The buffer must be painted again, and so must the buffers of the controls inside (they
    // may show this one through).
    void Mark_Stale();
    void Paint_Message();
    HDC Current_Buffer();
    void Route_Button(UINT message, WPARAM w_param, LPARAM l_param);
    void Route_Button_Up(UINT message, WPARAM w_param, LPARAM l_param);
    void Route_Move(WPARAM w_param, LPARAM l_param);

    Back_Buffer buffer_;
    bool buffer_stale_ = true;
    Gdi_Brush background_brush_;  // a pattern of the buffer, for standard children
    Control* pressed_ = nullptr;  // the control a button went down on, until it goes up
};

// A standard control of the system, subclassed.
class System_Control : public Win_Control {
  public:
    using Win_Control::Win_Control;

  protected:
    // Creates the window of that class and style and subclasses it.
    HWND Make_System_Window(HWND parent_window, const wchar_t* class_name, DWORD style,
                            DWORD ex_style = 0);
    LRESULT Handle_Message(UINT message, WPARAM w_param, LPARAM l_param) override;

    static LRESULT CALLBACK Subclass_Procedure(HWND window, UINT message, WPARAM w_param,
                                               LPARAM l_param, UINT_PTR id, DWORD_PTR data);
};

}  // namespace ui
