#pragma once
// A borderless top-level form built from a layout table: it owns its components, routes the
// keyboard the way dialogs do (Tab, arrows, Enter on a focused button, Escape for the button with
// the cancel role, accelerators), tracks the focus for the controls' enter events, runs the
// timers and shows the hints.

#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/errors.h"
#include "ui/handler_table.h"
#include "ui/handles.h"
#include "ui/win_control.h"

namespace ui {

class Timer;
class Hints;

class Form : public Custom_Control {
  public:
    explicit Form(std::string name);
    ~Form() override;

    std::string_view Kind() const override { return "Form"; }

    // Makes the window and every component of the table (the first row is the form itself),
    // wires the events to `handlers`, then raises OnCreate.
    void Create_From_Layout(const std::vector<Component_Description>& table,
                            const Handler_Table& handlers);

    const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }
    Component* Find_Component(std::string_view name) const;
    // The component of that name and kind; a missing one raises an error.
    template <typename Kind_Class>
    Kind_Class& Find(std::string_view name) const {
        auto* found = dynamic_cast<Kind_Class*>(Find_Component(name));
        if (!found)
            Raise(Layout_Error_Kind, "The form has no " + std::string(name) + " of that kind");
        return *found;
    }

    // Hides the form and, unless OnCloseQuery refuses, closes it; closing the main form ends
    // the application.
    void Close();
    // Destroys the form once the event being handled has returned.
    void Release();
    bool Destroying() const { return destroying_; }
    // Takes the windows down; no event is raised from here on.
    void Destroy_Windows();

    Event<Notify_Handler> On_Create;
    Event<Notify_Handler> On_Show;
    Event<Notify_Handler> On_Hide;
    Event<Close_Query_Handler> On_Close_Query;

    // The focused control of this form (kept while another window is active).
    Win_Control* Active_Control() const { return active_; }
    void Select_Next(bool forward);

    // Key messages before they are dispatched; true when the form used the message up.
    bool Pre_Translate(MSG& message);

    // Services for the components.
    HFONT Font_Handle(const Font_Description& font);
    int Next_Control_Id() { return next_control_id_++; }
    void Control_Focused(Win_Control& control);
    void Update_Hint(Control& control);
    void Start_Timer(Timer& timer);
    void Stop_Timer(Timer& timer);

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    // Between the making of the components and OnCreate: a form class finds its components.
    virtual void Components_Made() {}

    HWND Make_Window(HWND parent_window) override;
    DWORD Style() const override;
    DWORD Ex_Style() const override { return 0; }
    LRESULT Handle_Message(UINT message, WPARAM w_param, LPARAM l_param) override;
    void Visible_Changed() override;

  private:
    std::vector<Win_Control*> Tab_Stops() const;
    bool Dialog_Key(WORD key, Shift_State shift);
    bool Accelerator(wchar_t character);
    void Invalidate_Focus_Look(Win_Control* control);

    std::map<std::string, Gdi_Font, std::less<>> fonts_;
    std::vector<std::unique_ptr<Component>> components_;
    std::vector<Timer*> timers_;
    std::unique_ptr<Hints> hints_;
    Win_Control* active_ = nullptr;
    int next_control_id_ = 100;
    bool destroying_ = false;
};

}  // namespace ui
