#pragma once
// The hint window of a form: a tooltip with one tool per control whose hint is switched on.
// Windowed controls are tools by their window; windowless ones by their rectangle in the window
// that holds them.

#include <map>

#include "ui/component.h"
#include "ui/handles.h"

namespace ui {

class Hints {
  public:
    explicit Hints(HWND form_window);

    // Adds, changes or removes the control's tool after a change of its hint, place or
    // visibility.
    void Update(const Control& control);

    HWND Handle() const { return tooltip_.get(); }

  private:
    Window tooltip_;
    std::map<const Control*, UINT_PTR> tools_;
    UINT_PTR next_id_ = 1;
};

}  // namespace ui
