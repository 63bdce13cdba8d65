#include "ui/win_control.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/application.h"
#include "ui/component_name.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/graphic_control.h"

namespace ui {

namespace {

constexpr const wchar_t* Object_Property = L"QuelvarControl";

Mouse_Button Button_Of(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return Mouse_Button::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return Mouse_Button::Middle;
        default:
            return Mouse_Button::Left;
    }
}

bool Is_Double_Click(UINT message) {
    return message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDBLCLK;
}

POINT Point_Of(LPARAM l_param) {
    return {GET_X_LPARAM(l_param), GET_Y_LPARAM(l_param)};
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Win_Control

Win_Control::~Win_Control() {
    // The controls inside were made after this one and are gone already; the window goes now.
    if (handle_)
        DestroyWindow(handle_);
    handle_ = nullptr;
}

void Win_Control::Add_Child(Control& child) {
    children_.push_back(&child);
}

void Win_Control::Remove_Child(Control& child) {
    std::erase(children_, &child);
}

void Win_Control::Move_Child(Control& child, bool to_top) {
    auto found = std::find(children_.begin(), children_.end(), &child);
    if (found == children_.end())
        return;
    children_.erase(found);
    if (to_top)
        children_.push_back(&child);
    else
        children_.insert(children_.begin(), &child);
    if (const auto* windowed = dynamic_cast<const Win_Control*>(&child)) {
        if (windowed->Handle()) {
            SetWindowPos(windowed->Handle(), to_top ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    } else {
        Invalidate_Area(child.Rect());
    }
}

Win_Control* Win_Control::From_Window(HWND window) {
    if (!window)
        return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId())
        return nullptr;
    return static_cast<Win_Control*>(GetPropW(window, Object_Property));
}

Win_Control* Win_Control::From_Window_Or_Ancestor(HWND window) {
    for (; window; window = GetAncestor(window, GA_PARENT)) {
        if (Win_Control* control = From_Window(window))
            return control;
    }
    return nullptr;
}

void Win_Control::Attach(HWND window, bool subclassed) {
    handle_ = window;
    subclassed_ = subclassed;
    SetPropW(window, Object_Property, static_cast<Win_Control*>(this));
    Set_Component_Name(window, Name());
}

void Win_Control::Detach() {
    if (!handle_)
        return;
    RemovePropW(handle_, Object_Property);
    Clear_Component_Name(handle_);
    handle_ = nullptr;
}

DWORD Win_Control::Base_Style() const {
    return WS_CHILD | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0u) |
           (Enabled() ? 0u : WS_DISABLED);
}

void Win_Control::Create_Window() {
    HWND parent_window = Parent() ? Parent()->Handle() : nullptr;
    if (Parent() && !parent_window)
        Raise(Layout_Error_Kind, "The window of " + Parent()->Name() + " does not exist yet");
    if (!Make_Window(parent_window) || !handle_)
        Raise(Layout_Error_Kind, "Cannot create the window of " + Name());
    if (parent_window) {
        // The control made last lies on top, as the layout's order says.
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    Window_Created();
}

void Win_Control::Window_Created() {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font_Handle()), FALSE);
}

bool Win_Control::Focused() const {
    return handle_ && GetFocus() == handle_;
}

bool Win_Control::Contains_Focus() const {
    HWND focus = GetFocus();
    return handle_ && focus && (focus == handle_ || IsChild(handle_, focus));
}

void Win_Control::Set_Focus() {
    if (handle_)
        SetFocus(handle_);
}

void Win_Control::Invalidate() {
    if (handle_)
        Invalidate_Area({0, 0, Width(), Height()});
}

void Win_Control::Repaint() {
    Invalidate();
    if (handle_)
        RedrawWindow(handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win_Control::Invalidate_Area(const RECT& area) {
    if (handle_)
        RedrawWindow(handle_, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HBRUSH Win_Control::Child_Background(HDC child_dc, const Control& child) {
    SetBkColor(child_dc, To_Colorref(child.Back_Colour()));
    return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Win_Control::Control_Colour(HDC dc) {
    SetTextColor(dc, To_Colorref(Font().colour));
    SetBkMode(dc, TRANSPARENT);
    return Parent() ? Parent()->Child_Background(dc, *this) : GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT Win_Control::Reflected(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

void Win_Control::Bounds_Changed(const Layout_Rect& old_bounds) {
    if (handle_) {
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Control::Bounds_Changed(old_bounds);
}

void Win_Control::Visible_Changed() {
    if (handle_) {
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
}

void Win_Control::Enabled_Changed() {
    if (handle_)
        EnableWindow(handle_, Enabled());
    Invalidate();
}

void Win_Control::Caption_Changed() {
    if (handle_)
        SetWindowTextW(handle_, Wide(Caption()).c_str());
    Invalidate();
}

void Win_Control::Look_Changed() {
    if (handle_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font_Handle()), FALSE);
    for (Control* child : children_) {
        if (!child->Has_Own_Font())
            child->Look_Changed();
    }
    Invalidate();
}

void Win_Control::Load(const Component_Description& description, const Handler_Table& handlers) {
    Control::Load(description, handlers);
    handlers.Wire(On_Enter, description, "on_enter");
    handlers.Wire(On_Key_Down, description, "on_key_down");
}

LRESULT Win_Control::Default_Message(UINT message, WPARAM w_param, LPARAM l_param) {
    return subclassed_ ? DefSubclassProc(handle_, message, w_param, l_param)
                       : DefWindowProcW(handle_, message, w_param, l_param);
}

LRESULT Win_Control::Dispatch(UINT message, WPARAM w_param, LPARAM l_param) {
    // While the form takes its windows down, no event may reach handlers that are gone.
    if (Owner().Destroying())
        return Default_Message(message, w_param, l_param);
    try {
        return Handle_Message(message, w_param, l_param);
    } catch (const std::exception& error) {
        The_Application().Handle_Exception(error);
    } catch (...) {
        The_Application().Handle_Exception(std::runtime_error("Unknown error"));
    }
    return 0;
}

LRESULT Win_Control::Handle_Message(UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
        case WM_SETFOCUS: {
            const LRESULT result = Default_Message(message, w_param, l_param);
            Owner().Control_Focused(*this);
            return result;
        }
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_NOTIFY: {
            HWND from = message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(l_param)->hwndFrom
                                             : reinterpret_cast<HWND>(l_param);
            Win_Control* child = From_Window(from);
            if (child && child != this) {
                bool handled = false;
                const LRESULT result = child->Reflected(message, w_param, l_param, handled);
                if (handled)
                    return result;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORDLG: {
            Win_Control* child = From_Window(reinterpret_cast<HWND>(l_param));
            if (child && child->Parent() == this)
                return reinterpret_cast<LRESULT>(
                    child->Control_Colour(reinterpret_cast<HDC>(w_param)));
            break;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(w_param) == handle_ && LOWORD(l_param) == HTCLIENT &&
                Cursor() == Cursor_Shape::Hand) {
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return Default_Message(message, w_param, l_param);
}

// ---------------------------------------------------------------------------------------------
// Custom_Control

const wchar_t* Custom_Control::Class_Name() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof window_class;
        window_class.style = CS_DBLCLKS;
        window_class.lpfnWndProc = &Custom_Control::Window_Procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        window_class.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
        window_class.lpszClassName = L"Quelvar_Control";
        RegisterClassExW(&window_class);
        return L"Quelvar_Control";
    }();
    return name;
}

HWND Custom_Control::Make_Window(HWND parent_window) {
    const std::wstring caption = Wide(Caption());
    HMENU id = parent_window
                   ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(Owner().Next_Control_Id()))
                   : nullptr;
    return CreateWindowExW(Ex_Style(), Class_Name(), caption.c_str(), Style(), Left(), Top(),
                           Width(), Height(), parent_window, id, GetModuleHandleW(nullptr),
                           static_cast<Custom_Control*>(this));
}

LRESULT CALLBACK Custom_Control::Window_Procedure(HWND window, UINT message, WPARAM w_param,
                                                  LPARAM l_param) {
    Win_Control* self = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l_param);
        self = static_cast<Custom_Control*>(create->lpCreateParams);
        self->Attach(window, false);
    } else {
        self = From_Window(window);
    }
    if (!self)
        return DefWindowProcW(window, message, w_param, l_param);
    if (message == WM_NCDESTROY) {
        self->Detach();
        return DefWindowProcW(window, message, w_param, l_param);
    }
    return self->Dispatch(message, w_param, l_param);
}

Control* Custom_Control::Control_At(POINT point) const {
    const auto& children = Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control* child = *it;
        const RECT rect = child->Rect();
        if (!child->Is_Windowed() && child->Visible() && child->Enabled() &&
            PtInRect(&rect, point)) {
            return child;
        }
    }
    return nullptr;
}

void Custom_Control::Paint_Background(HDC dc, const RECT& client) {
    Fill(dc, client, Back_Colour());
}

void Custom_Control::Paint_Client(HDC dc) {
    const RECT client{0, 0, Width(), Height()};
    {
        Saved_Dc saved(dc);
        SelectObject(dc, Font_Handle());
        Paint_Background(dc, client);
    }
    for (Control* child : Children()) {
        auto* graphic = dynamic_cast<Graphic_Control*>(child);
        if (!graphic || !graphic->Visible())
            continue;
        const RECT rect = graphic->Rect();
        Saved_Dc saved(dc);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        OffsetViewportOrgEx(dc, rect.left, rect.top, nullptr);
        SelectObject(dc, graphic->Font_Handle());
        graphic->Paint(dc);
    }
}

HDC Custom_Control::Current_Buffer() {
    RECT client{};
    GetClientRect(Handle(), &client);
    bool remade = false;
    HDC dc = buffer_.Prepare(client.right, client.bottom, remade);
    if (dc && (remade || buffer_stale_)) {
        Paint_Client(dc);
        buffer_stale_ = false;
        background_brush_.reset();
    }
    return dc;
}

void Custom_Control::Paint_Message() {
    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(Handle(), &paint);
    if (HDC buffer = Current_Buffer()) {
        const RECT& area = paint.rcPaint;
        BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer,
               area.left, area.top, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
}

void Custom_Control::Mark_Stale() {
    buffer_stale_ = true;
    for (Control* child : Children()) {
        if (auto* custom = dynamic_cast<Custom_Control*>(child))
            custom->Mark_Stale();
    }
}

void Custom_Control::Invalidate_Area(const RECT& area) {
    buffer_stale_ = true;
    for (Control* child : Children()) {
        auto* custom = dynamic_cast<Custom_Control*>(child);
        const RECT place = child->Rect();
        RECT overlap{};
        if (custom && IntersectRect(&overlap, &place, &area))
            custom->Mark_Stale();
    }
    Win_Control::Invalidate_Area(area);
}

HBRUSH Custom_Control::Child_Background(HDC child_dc, const Control& child) {
    Current_Buffer();
    if (!background_brush_ && buffer_.Bitmap())
        background_brush_.reset(CreatePatternBrush(buffer_.Bitmap()));
    if (!background_brush_)
        return Win_Control::Child_Background(child_dc, child);
    // The child's (0, 0) lies at its place in this window's buffer.
    SetBrushOrgEx(child_dc, -child.Left(), -child.Top(), nullptr);
    SetBkColor(child_dc, To_Colorref(child.Back_Colour()));
    return background_brush_.get();
}

void Custom_Control::Bounds_Changed(const Layout_Rect& old_bounds) {
    if (old_bounds.width != Width() || old_bounds.height != Height())
        buffer_stale_ = true;
    Win_Control::Bounds_Changed(old_bounds);
}

void Custom_Control::Route_Button(UINT message, WPARAM w_param, LPARAM l_param) {
    const POINT point = Point_Of(l_param);
    Control* hit = Control_At(point);
    Control& target = hit ? *hit : *this;
    const Mouse_Button button = Button_Of(message);
    Shift_State shift = Mouse_Shift_State(w_param);
    shift.double_click = Is_Double_Click(message);
    if (button == Mouse_Button::Left && !shift.double_click) {
        pressed_ = &target;
        SetCapture(Handle());
    }
    const int x = point.x - (hit ? hit->Left() : 0);
    const int y = point.y - (hit ? hit->Top() : 0);
    target.Mouse_Down(button, shift, x, y);
    if (shift.double_click && button == Mouse_Button::Left)
        target.Dbl_Click();
}

void Custom_Control::Route_Button_Up(UINT message, WPARAM w_param, LPARAM l_param) {
    const POINT point = Point_Of(l_param);
    Control* pressed = std::exchange(pressed_, nullptr);
    if (GetCapture() == Handle())
        ReleaseCapture();
    Control* hit = Control_At(point);
    Control& target = pressed ? *pressed : (hit ? *hit : *this);
    const bool is_self = &target == this;
    const int x = point.x - (is_self ? 0 : target.Left());
    const int y = point.y - (is_self ? 0 : target.Top());
    const Mouse_Button button = Button_Of(message);
    target.Mouse_Up(button, Mouse_Shift_State(w_param), x, y);
    if (pressed && button == Mouse_Button::Left && x >= 0 && y >= 0 && x < target.Width() &&
        y < target.Height()) {
        target.Click();
    }
}

void Custom_Control::Route_Move(WPARAM w_param, LPARAM l_param) {
    const POINT point = Point_Of(l_param);
    Control* target = pressed_ ? pressed_ : Control_At(point);
    if (!target)
        target = this;
    const bool is_self = target == this;
    target->Mouse_Move(Mouse_Shift_State(w_param), point.x - (is_self ? 0 : target->Left()),
                       point.y - (is_self ? 0 : target->Top()));
}

LRESULT Custom_Control::Handle_Message(UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint_Message();
            return 0;
        case WM_PRINTCLIENT:
            if (HDC buffer = Current_Buffer()) {
                BitBlt(reinterpret_cast<HDC>(w_param), 0, 0, Width(), Height(), buffer, 0, 0,
                       SRCCOPY);
            }
            return 0;
        case WM_SIZE:
            buffer_stale_ = true;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            Route_Button(message, w_param, l_param);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            Route_Button_Up(message, w_param, l_param);
            return 0;
        case WM_MOUSEMOVE:
            Route_Move(w_param, l_param);
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = nullptr;
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(w_param) == Handle() && LOWORD(l_param) == HTCLIENT) {
                POINT point{};
                GetCursorPos(&point);
                ScreenToClient(Handle(), &point);
                const Control* hit = Control_At(point);
                if ((hit ? hit : this)->Cursor() == Cursor_Shape::Hand) {
                    SetCursor(LoadCursorA(nullptr, IDC_HAND));
                    return TRUE;
                }
            }
            break;
        default:
            break;
    }
    return Win_Control::Handle_Message(message, w_param, l_param);
}

// ---------------------------------------------------------------------------------------------
// System_Control

HWND System_Control::Make_System_Window(HWND parent_window, const wchar_t* class_name, DWORD style,
                                        DWORD ex_style) {
    const std::wstring caption = Wide(Caption());
    HWND window = CreateWindowExW(
        ex_style, class_name, caption.c_str(), style, Left(), Top(), Width(), Height(),
        parent_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Owner().Next_Control_Id())),
        GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return nullptr;
    Attach(window, true);
    SetWindowSubclass(window, &System_Control::Subclass_Procedure, 1, 0);
    return window;
}

LRESULT CALLBACK System_Control::Subclass_Procedure(HWND window, UINT message, WPARAM w_param,
                                                    LPARAM l_param, UINT_PTR id, DWORD_PTR) {
    Win_Control* self = From_Window(window);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &System_Control::Subclass_Procedure, id);
        if (self)
            self->Detach();
        return DefSubclassProc(window, message, w_param, l_param);
    }
    if (!self)
        return DefSubclassProc(window, message, w_param, l_param);
    return self->Dispatch(message, w_param, l_param);
}

LRESULT System_Control::Handle_Message(UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: {
            const LRESULT result = Win_Control::Handle_Message(message, w_param, l_param);
            Shift_State shift = Mouse_Shift_State(w_param);
            shift.double_click = Is_Double_Click(message);
            const POINT point = Point_Of(l_param);
            Mouse_Down(Button_Of(message), shift, point.x, point.y);
            return result;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const LRESULT result = Win_Control::Handle_Message(message, w_param, l_param);
            const POINT point = Point_Of(l_param);
            Mouse_Up(Button_Of(message), Mouse_Shift_State(w_param), point.x, point.y);
            return result;
        }
        case WM_MOUSEMOVE: {
            const LRESULT result = Win_Control::Handle_Message(message, w_param, l_param);
            const POINT point = Point_Of(l_param);
            Mouse_Move(Mouse_Shift_State(w_param), point.x, point.y);
            return result;
        }
        default:
            return Win_Control::Handle_Message(message, w_param, l_param);
    }
}

}  // namespace ui
