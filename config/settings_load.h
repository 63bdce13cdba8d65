#pragma once
// Moving stored settings into the controls, whatever the store reads them from.

#include <functional>
#include <string>
#include <string_view>

class Settings_Controls;

// The stored text of one key of the dialog's section; empty when there is none.
using Stored_Text_Reader = std::function<std::string(std::string_view key)>;

// Sets the six controls from the stored values, in the order the dialog's handlers expect:
// the two bars, the volume figure and the bar's repaint, then the four boxes, the mute box
// first.
void Load_Settings(Settings_Controls& controls, const Stored_Text_Reader& read);
