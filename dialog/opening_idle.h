#pragma once
// The application's idle handler held by the dialog that installed it: it goes when the dialog
// goes, so that no idle pass can reach a dialog that no longer exists.

#include "ui/application.h"

class Idle_Step_Owner {
  public:
    Idle_Step_Owner() = default;
    Idle_Step_Owner(const Idle_Step_Owner&) = delete;
    Idle_Step_Owner& operator=(const Idle_Step_Owner&) = delete;
    ~Idle_Step_Owner() { Remove(); }

    void Install(ui::Idle_Handler handler) {
        ui::The_Application().Set_On_Idle(std::move(handler));
        installed_ = true;
    }
    void Remove() {
        if (installed_)
            ui::The_Application().Set_On_Idle(nullptr);
        installed_ = false;
    }
    bool Installed() const { return installed_; }

  private:
    bool installed_ = false;
};
