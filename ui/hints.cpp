#include "ui/hints.h"

#include <commctrl.h>

#include "ui/painting.h"
#include "ui/win_control.h"

namespace ui {

Hints::Hints(HWND form_window)
    : tooltip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_window, nullptr,
                               GetModuleHandleW(nullptr), nullptr)) {}

void Hints::Update(const Control& control) {
    if (!tooltip_ || !control.Parent() || !control.Parent()->Handle())
        return;
    const auto* windowed = dynamic_cast<const Win_Control*>(&control);
    if (windowed && !windowed->Handle())
        return;
    const bool wanted = control.Show_Hint() && !control.Hint().empty();
    const auto known = tools_.find(&control);

    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = control.Parent()->Handle();
    tool.hinst = GetModuleHandleW(nullptr);
    if (windowed) {
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(windowed->Handle());
    } else {
        tool.uFlags = TTF_SUBCLASS;
        tool.uId = known != tools_.end() ? known->second : next_id_;
        // A hidden windowless control must not show its hint: its tool covers nothing.
        if (control.Visible())
            tool.rect = control.Rect();
    }
    std::wstring text = Wide(control.Hint());
    tool.lpszText = text.data();

    if (known == tools_.end()) {
        if (!wanted)
            return;
        if (SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
            tools_.emplace(&control, tool.uId);
            if (!windowed)
                ++next_id_;
        }
    } else if (!wanted) {
        SendMessageW(tooltip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tools_.erase(known);
    } else {
        SendMessageW(tooltip_.get(), TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace ui
