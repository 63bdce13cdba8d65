#pragma once
// The standard list box, unsorted: lines in the order given.

#include <string>
#include <string_view>
#include <vector>

#include "ui/win_control.h"

namespace ui {

class List_Box : public System_Control {
  public:
    using System_Control::System_Control;
    std::string_view Kind() const override { return "List_Box"; }
    bool Is_Tab_Stop() const override { return true; }

    // Replaces the lines by those of `text`, split at CR LF, lone CR or lone LF; a break after
    // the last line adds no empty line.
    void Set_Text(std::string_view text);
    std::vector<std::string> Lines() const;
    int Count() const;

  protected:
    HWND Make_Window(HWND parent_window) override;
};

}  // namespace ui
