#include "ui/timer.h"

#include "ui/form.h"

namespace ui {

Timer::~Timer() {
    if (!Owner().Destroying())
        Owner().Stop_Timer(*this);
}

void Timer::Restart() {
    Owner().Stop_Timer(*this);
    if (enabled_ && interval_ > 0)
        Owner().Start_Timer(*this);
}

void Timer::Set_Interval(unsigned milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void Timer::Set_Enabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Load(const Component_Description& description, const Handler_Table& handlers) {
    const std::int32_t interval = description.Number("interval", 1000);
    if (interval < 0)
        description.Fail(nullptr, "the interval cannot be negative");
    interval_ = static_cast<unsigned>(interval);
    enabled_ = description.Flag("enabled", true);
    handlers.Wire(On_Timer, description, "on_timer");
    Restart();
}

}  // namespace ui
