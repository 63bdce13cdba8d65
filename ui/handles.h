#pragma once
// Owners for Win32 handles: one owner per handle, move-only, closed exactly once.

#include <windows.h>

#include <cstdint>
#include <utility>

namespace ui {

template <typename Handle, auto Close>
class Unique_Handle {
  public:
    Unique_Handle() = default;
    explicit Unique_Handle(Handle handle) : handle_(handle) {}
    ~Unique_Handle() { reset(); }

    Unique_Handle(const Unique_Handle&) = delete;
    Unique_Handle& operator=(const Unique_Handle&) = delete;
    Unique_Handle(Unique_Handle&& other) noexcept : handle_(other.release()) {}
    Unique_Handle& operator=(Unique_Handle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }

    // For APIs that hand back a handle through a pointer.
    Handle* put() {
        reset();
        return &handle_;
    }

    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{})
            Close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_{};
};

// A named function, not a lambda: a lambda's type would give every function that takes or
// returns these owners internal linkage.
inline void Delete_Gdi_Object(HGDIOBJ object) {
    DeleteObject(object);
}

using Registry_Key = Unique_Handle<HKEY, &RegCloseKey>;
using Module = Unique_Handle<HMODULE, &FreeLibrary>;
using Window = Unique_Handle<HWND, &DestroyWindow>;
using Gdi_Bitmap = Unique_Handle<HBITMAP, &Delete_Gdi_Object>;
using Gdi_Brush = Unique_Handle<HBRUSH, &Delete_Gdi_Object>;
using Gdi_Font = Unique_Handle<HFONT, &Delete_Gdi_Object>;
using Gdi_Region = Unique_Handle<HRGN, &Delete_Gdi_Object>;
using Memory_Dc = Unique_Handle<HDC, &DeleteDC>;

// One reference to a COM interface, released exactly once.
template <typename Interface>
class Com_Ptr {
  public:
    Com_Ptr() = default;
    // Takes over the reference that `pointer` carries.
    explicit Com_Ptr(Interface* pointer) : pointer_(pointer) {}
    ~Com_Ptr() { reset(); }
    Com_Ptr(const Com_Ptr&) = delete;
    Com_Ptr& operator=(const Com_Ptr&) = delete;
    Com_Ptr(Com_Ptr&& other) noexcept : pointer_(other.release()) {}
    Com_Ptr& operator=(Com_Ptr&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    Interface* release() { return std::exchange(pointer_, nullptr); }
    void reset(Interface* pointer = nullptr) {
        // Let go of the old one only once this owner no longer names it.
        if (Interface* old = std::exchange(pointer_, pointer))
            old->Release();
    }

  private:
    Interface* pointer_ = nullptr;
};

// A kernel handle; both null and INVALID_HANDLE_VALUE mean "none".
class Kernel_Handle {
  public:
    Kernel_Handle() = default;
    explicit Kernel_Handle(HANDLE handle) : handle_(handle) {}
    ~Kernel_Handle() { reset(); }
    Kernel_Handle(const Kernel_Handle&) = delete;
    Kernel_Handle& operator=(const Kernel_Handle&) = delete;
    Kernel_Handle(Kernel_Handle&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)) {}
    Kernel_Handle& operator=(Kernel_Handle&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE handle = nullptr) {
        if (*this)
            CloseHandle(handle_);
        handle_ = handle;
    }

  private:
    HANDLE handle_ = nullptr;
};

// A window's device context from GetDC, released with ReleaseDC.
class Window_Dc {
  public:
    explicit Window_Dc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~Window_Dc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    Window_Dc(const Window_Dc&) = delete;
    Window_Dc& operator=(const Window_Dc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for a scope and puts the previous one back.
class Selected_Object {
  public:
    Selected_Object(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected_Object() {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    Selected_Object(const Selected_Object&) = delete;
    Selected_Object& operator=(const Selected_Object&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The export `name` of `module` as a function pointer of type Function, or null.
template <typename Function>
Function Proc_Address(HMODULE module, const char* name) {
    // The detour through a generic function pointer keeps the compiler from checking the
    // signature, which only the exporting library knows.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A window number from the command line as a handle (same width on the 32-bit target; the
// number is sign-extended where handles are wider).
inline HWND Window_From_Number(std::int32_t number) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(number));
}

}  // namespace ui
