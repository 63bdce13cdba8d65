#include "ui/form.h"

#include <algorithm>
#include <cwctype>
#include <functional>

#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/caption_text.h"
#include "ui/component_factory.h"
#include "ui/hints.h"
#include "ui/timer.h"

namespace ui {

namespace {

std::string Font_Key(const Font_Description& font) {
    return font.face + '|' + std::to_string(font.points) + '|' +
           std::to_string(static_cast<int>(font.weight)) + '|' + (font.italic ? 'i' : '-') +
           (font.underline ? 'u' : '-') + '|' + std::to_string(font.code_page);
}

BYTE Charset_Of(int code_page) {
    CHARSETINFO info{};
    if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(code_page)), &info,
                             TCI_SRCCODEPAGE)) {
        return static_cast<BYTE>(info.ciCharset);
    }
    return DEFAULT_CHARSET;
}

}  // namespace

Form::Form(std::string name) : Custom_Control(*this, std::move(name)) {}

Form::~Form() {
    Destroy_Windows();
    // Components go in the reverse order of their making: the controls inside before the ones
    // around them.
    while (!components_.empty())
        components_.pop_back();
}

void Form::Destroy_Windows() {
    if (destroying_)
        return;
    destroying_ = true;
    for (Timer* timer : timers_) {
        if (Handle())
            KillTimer(Handle(), reinterpret_cast<UINT_PTR>(timer));
    }
    hints_.reset();
    if (Handle())
        DestroyWindow(Handle());
}

void Form::Load(const Component_Description& description, const Handler_Table& handlers) {
    Custom_Control::Load(description, handlers);
    handlers.Wire(On_Create, description, "on_create");
    handlers.Wire(On_Show, description, "on_show");
    handlers.Wire(On_Hide, description, "on_hide");
    handlers.Wire(On_Close_Query, description, "on_close_query");
}

void Form::Create_From_Layout(const std::vector<Component_Description>& table,
                              const Handler_Table& handlers) {
    if (table.empty() || table.front().kind != Kind())
        Raise(Layout_Error_Kind, "A layout must begin with its form");
    const Component_Description& own = table.front();
    Load(own, handlers);
    // A form starts hidden; the application shows it.
    Set_Visible(false);
    Create_Window();
    hints_ = std::make_unique<Hints>(Handle());

    for (std::size_t i = 1; i < table.size(); ++i) {
        const Component_Description& description = table[i];
        std::unique_ptr<Component> component =
            Make_Component(description.kind, *this, description.name);
        if (!component)
            description.Fail(nullptr, "there is no kind " + description.kind);
        auto* parent = dynamic_cast<Win_Control*>(Find_Component(description.parent));
        auto* control = dynamic_cast<Control*>(component.get());
        if (control && !parent)
            description.Fail(nullptr, description.parent + " cannot hold controls");
        if (control)
            control->Set_Parent(*parent);
        Component& made = *component;
        components_.push_back(std::move(component));
        made.Load(description, handlers);
        if (auto* windowed = dynamic_cast<Win_Control*>(&made))
            windowed->Create_Window();
        if (control)
            Update_Hint(*control);
        if (const auto unread = description.Unread_Keys(); !unread.empty())
            description.Fail(
                nullptr, "the key " + unread.front() + " means nothing to a " + description.kind);
    }
    if (const auto unread = own.Unread_Keys(); !unread.empty())
        own.Fail(nullptr, "the key " + unread.front() + " means nothing to a form");

    Components_Made();
    // An error in the creation handler is shown; the form exists all the same.
    try {
        On_Create(*this);
    } catch (const std::exception& error) {
        The_Application().Handle_Exception(error);
    }
}

Component* Form::Find_Component(std::string_view name) const {
    if (name == Name())
        return const_cast<Form*>(this);
    for (const auto& component : components_) {
        if (component->Name() == name)
            return component.get();
    }
    return nullptr;
}

HWND Form::Make_Window(HWND) {
    return Custom_Control::Make_Window(nullptr);
}

DWORD Form::Style() const {
    // Borderless and without a caption bar; shown by Show, never at creation.
    return WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

void Form::Visible_Changed() {
    if (!Handle())
        return;
    if (Visible()) {
        On_Show(*this);
        ShowWindow(Handle(), SW_SHOW);
    } else {
        ShowWindow(Handle(), SW_HIDE);
        On_Hide(*this);
    }
}

void Form::Close() {
    bool can_close = true;
    On_Close_Query(*this, can_close);
    if (!can_close)
        return;
    Hide();
    if (The_Application().Main_Form() == this)
        The_Application().Terminate();
}

void Form::Release() {
    The_Application().Release(*this);
}

HFONT Form::Font_Handle(const Font_Description& font) {
    const std::string key = Font_Key(font);
    if (const auto found = fonts_.find(key); found != fonts_.end())
        return found->second.get();
    LOGFONTW description{};
    // Sizes are points at 96 dots per inch, whatever the system's setting.
    description.lfHeight = -MulDiv(font.points, 96, 72);
    description.lfWeight = font.weight == Font_Weight::Heavy  ? FW_HEAVY
                           : font.weight == Font_Weight::Bold ? FW_BOLD
                                                              : FW_NORMAL;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfCharSet = Charset_Of(font.code_page);
    description.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Wide(font.face);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    Gdi_Font made(CreateFontIndirectW(&description));
    HFONT handle = made.get();
    fonts_.emplace(key, std::move(made));
    return handle;
}

void Form::Update_Hint(Control& control) {
    if (hints_ && !destroying_)
        hints_->Update(control);
}

void Form::Start_Timer(Timer& timer) {
    if (std::find(timers_.begin(), timers_.end(), &timer) == timers_.end())
        timers_.push_back(&timer);
    // The timer's address is its id: unique while it lives, and found again on WM_TIMER.
    if (Handle() && !destroying_)
        SetTimer(Handle(), reinterpret_cast<UINT_PTR>(&timer), timer.Interval(), nullptr);
}

void Form::Stop_Timer(Timer& timer) {
    if (Handle())
        KillTimer(Handle(), reinterpret_cast<UINT_PTR>(&timer));
}

void Form::Invalidate_Focus_Look(Win_Control* control) {
    // Group boxes and gradient labels look different while a control beside them has the focus.
    if (control && control->Parent() && control->Parent() != this)
        control->Parent()->Invalidate();
}

void Form::Control_Focused(Win_Control& control) {
    Win_Control* previous = active_;
    Win_Control* now = &control == this ? nullptr : &control;
    if (now == previous)
        return;
    active_ = now;
    Invalidate_Focus_Look(previous);
    Invalidate_Focus_Look(now);

    auto held_before = [previous](const Win_Control* candidate) {
        for (const Win_Control* held = previous; held; held = held->Parent()) {
            if (held == candidate)
                return true;
        }
        return false;
    };
    std::vector<Win_Control*> entered;
    for (Win_Control* around = now; around && around != this; around = around->Parent()) {
        if (!held_before(around))
            entered.push_back(around);
    }
    // From the outermost control inwards, as the focus travels.
    for (auto it = entered.rbegin(); it != entered.rend(); ++it)
        (*it)->On_Enter(**it);
}

std::vector<Win_Control*> Form::Tab_Stops() const {
    std::vector<Win_Control*> stops;
    // Depth first, children in their order.
    std::function<void(const Win_Control&)> visit = [&](const Win_Control& node) {
        for (Control* child : node.Children()) {
            auto* windowed = dynamic_cast<Win_Control*>(child);
            if (!windowed || !windowed->Visible() || !windowed->Enabled())
                continue;
            if (windowed->Is_Tab_Stop())
                stops.push_back(windowed);
            visit(*windowed);
        }
    };
    visit(*this);
    return stops;
}

void Form::Select_Next(bool forward) {
    const std::vector<Win_Control*> stops = Tab_Stops();
    if (stops.empty())
        return;
    const auto current = std::find(stops.begin(), stops.end(), active_);
    std::size_t next = 0;
    if (current == stops.end()) {
        next = forward ? 0 : stops.size() - 1;
    } else {
        const std::size_t index = static_cast<std::size_t>(current - stops.begin());
        next = forward ? (index + 1) % stops.size() : (index + stops.size() - 1) % stops.size();
    }
    stops[next]->Set_Focus();
}

bool Form::Dialog_Key(WORD key, Shift_State shift) {
    switch (key) {
        case VK_TAB:
            if (shift.ctrl || shift.alt)
                return false;
            // A control that takes Tab itself keeps it.
            if (active_ && active_->Focused() &&
                (SendMessageW(active_->Handle(), WM_GETDLGCODE, key, 0) & DLGC_WANTTAB)) {
                return false;
            }
            Select_Next(!shift.shift);
            return true;
        case VK_ESCAPE:
            for (const auto& component : components_) {
                auto* button = dynamic_cast<Push_Button*>(component.get());
                if (button && button->Cancel_Role() && button->Showing() && button->Enabled()) {
                    button->Click();
                    return true;
                }
            }
            return false;
        case VK_RETURN:
            // No button is the default: Enter presses only a focused button.
            if (auto* button = dynamic_cast<Push_Button*>(active_); button && button->Focused()) {
                button->Click();
                return true;
            }
            return false;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (!active_ || !active_->Focused())
                return false;
            const LRESULT code = SendMessageW(active_->Handle(), WM_GETDLGCODE, key, 0);
            if (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))
                return false;
            Select_Next(key == VK_RIGHT || key == VK_DOWN);
            return true;
        }
        default:
            return false;
    }
}

bool Form::Accelerator(wchar_t character) {
    if (character > 127)
        return false;
    const char wanted = static_cast<char>(std::towupper(character));
    for (const auto& component : components_) {
        auto* button = dynamic_cast<Push_Button*>(component.get());
        if (button && button->Showing() && button->Enabled() &&
            Accelerator_Of(button->Caption()) == wanted) {
            button->Click();
            return true;
        }
    }
    return false;
}

bool Form::Pre_Translate(MSG& message) {
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            Win_Control* target = From_Window_Or_Ancestor(message.hwnd);
            if (target && &target->Owner() != this)
                target = nullptr;
            WORD key = LOWORD(message.wParam);
            const Shift_State shift = Keyboard_Shift_State();
            if (target && target->On_Key_Down) {
                target->On_Key_Down(*target, key, shift);
                if (key == 0)
                    return true;
                message.wParam = key;
            }
            // A key that closed the form goes no further.
            if (destroying_ || !Visible())
                return true;
            return message.message == WM_KEYDOWN && Dialog_Key(key, shift);
        }
        case WM_SYSCHAR:
            return Accelerator(static_cast<wchar_t>(message.wParam));
        case WM_CHAR: {
            if (!active_ || !active_->Focused())
                return false;
            const LRESULT code = SendMessageW(active_->Handle(), WM_GETDLGCODE, message.wParam,
                                              reinterpret_cast<LPARAM>(&message));
            if (code & (DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTALLKEYS))
                return false;
            return Accelerator(static_cast<wchar_t>(message.wParam));
        }
        default:
            return false;
    }
}

LRESULT Form::Handle_Message(UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_TIMER:
            for (Timer* timer : timers_) {
                if (reinterpret_cast<UINT_PTR>(timer) == w_param) {
                    timer->Tick();
                    return 0;
                }
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(w_param) != WA_INACTIVE) {
                Win_Control* target = active_;
                if (!target || !target->Showing() || !target->Enabled()) {
                    const std::vector<Win_Control*> stops = Tab_Stops();
                    target = stops.empty() ? nullptr : stops.front();
                }
                SetFocus(target ? target->Handle() : Handle());
                return 0;
            }
            break;
        case WM_SYSCOLORCHANGE:
            for (const auto& component : components_) {
                if (auto* control = dynamic_cast<Control*>(component.get()))
                    control->Invalidate();
            }
            Invalidate();
            break;
        default:
            break;
    }
    return Custom_Control::Handle_Message(message, w_param, l_param);
}

}  // namespace ui
