#pragma once
// The component name that each windowed control carries as the window property "QuelvarName":
// a global atom, so that other processes (automation, the end-to-end tests) can read it.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

inline constexpr const wchar_t* Component_Name_Property = L"QuelvarName";

inline void Set_Component_Name(HWND window, std::string_view name) {
    const std::string text(name);
    const ATOM atom = GlobalAddAtomA(text.c_str());
    if (atom != 0)
        SetPropW(window, Component_Name_Property, reinterpret_cast<HANDLE>(std::uintptr_t{atom}));
}

inline void Clear_Component_Name(HWND window) {
    HANDLE stored = RemovePropW(window, Component_Name_Property);
    if (stored)
        GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(stored)));
}

// The name, or the empty text for a window without one.
inline std::string Component_Name_Of(HWND window) {
    HANDLE stored = GetPropW(window, Component_Name_Property);
    if (!stored)
        return {};
    char name[256] = {};
    const UINT length = GlobalGetAtomNameA(
        static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(stored)), name, sizeof name);
    return std::string(name, length < sizeof name ? length : 0);
}

}  // namespace ui
