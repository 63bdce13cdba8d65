#pragma once
// The six controls of the settings dialog that hold the settings. The dialog implements this;
// the store only ever reaches the settings through it, since the controls are their one home.

#include <cstdint>
#include <string>

class Settings_Controls {
  public:
    virtual ~Settings_Controls() = default;

    // CheckBox_FPS, CheckBox_Time, CheckBox_ExitMouse and CheckBox_NoMusic.
    virtual bool FPS_Checked() const = 0;
    virtual bool Time_Checked() const = 0;
    virtual bool Exit_Mouse_Checked() const = 0;
    virtual bool No_Music_Checked() const = 0;

    // A box whose state changes runs its click handler, as a click on it would (the mute box
    // hides or shows the volume group).
    virtual void Set_FPS_Checked(bool checked) = 0;
    virtual void Set_Time_Checked(bool checked) = 0;
    virtual void Set_Exit_Mouse_Checked(bool checked) = 0;
    virtual void Set_No_Music_Checked(bool checked) = 0;

    // TrackBar_Volume_Music (0 at the top, the loudest, to 100) and TrackBar_Scene_Speed
    // (1 to 15).
    virtual std::int32_t Volume_Position() const = 0;
    virtual std::int32_t Speed_Position() const = 0;

    // The bars clamp what they are given into their ranges (Clamp_Volume_Position,
    // Clamp_Speed_Position); a volume position that changes runs the bar's change handler.
    virtual void Set_Volume_Position(std::int32_t position) = 0;
    virtual void Set_Speed_Position(std::int32_t position) = 0;

    // Label35, the volume figure under the volume bar.
    virtual void Set_Volume_Caption(const std::string& caption) = 0;
    virtual void Repaint_Volume_Bar() = 0;
};
