#pragma once
// The application object of a GUI mode: its title, its forms (the first one made is the main
// form), the message loop with its idle event, the end of the loop, and the default display of
// errors that reach the loop or a window procedure.

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

class Form;

// Raised once the message queue is empty. `done` starts true; a handler that leaves it true lets
// the loop wait for the next message, one that sets it false is called again at once.
using Idle_Handler = std::function<void(bool& done)>;

class Application {
  public:
    Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Registers the common controls this layer uses.
    void Initialize();

    const std::string& Title() const { return title_; }
    void Set_Title(std::string title) { title_ = std::move(title); }

    template <typename Form_Class, typename... Arguments>
    Form_Class& Create_Form(Arguments&&... arguments) {
        auto form = std::make_unique<Form_Class>(std::forward<Arguments>(arguments)...);
        Form_Class& made = *form;
        Adopt(std::move(form));
        return made;
    }
    Form* Main_Form() const { return main_form_; }

    // Shows the main form and handles messages until the application is told to end; every
    // form is destroyed when the loop ends.
    void Run();
    // Ends the loop once the messages already queued are handled.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message queued now, then returns.
    void Process_Messages();

    void Set_On_Idle(Idle_Handler handler) { on_idle_ = std::move(handler); }
    // Raises the idle event once without waiting for a message; true when the handler is done
    // (or there is none), as the loop would see it.
    bool Raise_Idle();
    bool Has_Idle_Handler() const { return static_cast<bool>(on_idle_); }

    // The default error display: a message box captioned with the title, with the error icon,
    // an OK button and the message ending in a full stop.
    void Handle_Exception(const std::exception& error);
    // Replaces that display (tests record the messages instead).
    void Set_Error_Display(std::function<void(const std::string& message)> display) {
        error_display_ = std::move(display);
    }

    // Destroys the form after the current event, outside every window procedure.
    void Release(Form& form);
    // Destroys every form now.
    void Destroy_Forms();

  private:
    void Adopt(std::unique_ptr<Form> form);
    bool Process_Message();
    void Dispatch(MSG& message);
    void Idle();
    void Free_Released();

    std::string title_;
    std::vector<std::unique_ptr<Form>> forms_;
    std::vector<Form*> released_;
    Form* main_form_ = nullptr;
    Idle_Handler on_idle_;
    std::function<void(const std::string&)> error_display_;
    bool terminated_ = false;
};

// The process's one application object.
Application& The_Application();

}  // namespace ui
