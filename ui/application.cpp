#include "ui/application.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/errors.h"
#include "ui/form.h"
#include "ui/painting.h"

namespace ui {

Application& The_Application() {
    static Application application;
    return application;
}

void Application::Initialize() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                     ICC_TAB_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

void Application::Adopt(std::unique_ptr<Form> form) {
    if (!main_form_)
        main_form_ = form.get();
    forms_.push_back(std::move(form));
}

void Application::Run() {
    if (main_form_ && !terminated_)
        main_form_->Show();
    while (!terminated_) {
        try {
            if (!Process_Message())
                Idle();
            if (!released_.empty())
                Free_Released();
        } catch (const std::exception& error) {
            Handle_Exception(error);
        }
    }
    Destroy_Forms();
    on_idle_ = nullptr;
    terminated_ = false;
}

void Application::Terminate() {
    PostQuitMessage(0);
}

bool Application::Process_Message() {
    MSG message{};
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT)
        terminated_ = true;
    else
        Dispatch(message);
    return true;
}

void Application::Process_Messages() {
    while (!terminated_ && Process_Message()) {
    }
}

void Application::Dispatch(MSG& message) {
    if (Win_Control* control = Win_Control::From_Window_Or_Ancestor(message.hwnd)) {
        Form& form = control->Owner();
        if (!form.Destroying() && form.Pre_Translate(message))
            return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool Application::Raise_Idle() {
    bool done = true;
    if (on_idle_) {
        // A copy: the handler may replace or remove itself.
        const Idle_Handler handler = on_idle_;
        handler(done);
    }
    return done;
}

void Application::Idle() {
    const bool done = Raise_Idle();
    if (!done || terminated_)
        return;
    MSG message{};
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0)
        terminated_ = true;
    else if (got > 0)
        Dispatch(message);
}

void Application::Handle_Exception(const std::exception& error) {
    const std::string message = With_Full_Stop(error.what());
    if (error_display_) {
        error_display_(message);
        return;
    }
    HWND owner = main_form_ && main_form_->Handle() && IsWindowVisible(main_form_->Handle())
                     ? main_form_->Handle()
                     : nullptr;
    MessageBoxW(owner, Wide(message).c_str(), Wide(title_).c_str(), MB_OK | MB_ICONERROR);
}

void Application::Release(Form& form) {
    if (std::find(released_.begin(), released_.end(), &form) == released_.end())
        released_.push_back(&form);
    // Wakes a loop that waits for messages.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Application::Free_Released() {
    const std::vector<Form*> released = std::exchange(released_, {});
    for (Form* form : released) {
        auto owned = std::find_if(
            forms_.begin(), forms_.end(),
            [form](const std::unique_ptr<Form>& known) { return known.get() == form; });
        if (owned == forms_.end())
            continue;
        if (main_form_ == form)
            main_form_ = nullptr;
        form->Destroy_Windows();
        forms_.erase(owned);
    }
}

void Application::Destroy_Forms() {
    while (!forms_.empty()) {
        forms_.back()->Destroy_Windows();
        forms_.pop_back();
    }
    released_.clear();
    main_form_ = nullptr;
}

}  // namespace ui
