#pragma once
// A window timer of the form: an interval in milliseconds, and OnTimer while enabled.

#include "ui/component.h"

namespace ui {

class Timer : public Component {
  public:
    using Component::Component;
    ~Timer() override;

    std::string_view Kind() const override { return "Timer"; }

    unsigned Interval() const { return interval_; }
    void Set_Interval(unsigned milliseconds);
    bool Enabled() const { return enabled_; }
    void Set_Enabled(bool enabled);

    Event<Notify_Handler> On_Timer;

    // One tick, raised by the form.
    void Tick() { On_Timer(*this); }

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  private:
    void Restart();
    unsigned interval_ = 1000;
    bool enabled_ = true;
};

}  // namespace ui
