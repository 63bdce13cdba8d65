#pragma once
// The six settings controls as plain values, clamping as the dialog's track bars do, with a log
// of every call the store makes, in order.

#include <string>
#include <tuple>
#include <vector>

#include "config/settings_controls.h"
#include "config/settings_rules.h"

class Plain_Settings_Controls : public Settings_Controls {
  public:
    bool fps = Default_FPS_Checked;
    bool time = Default_Time_Checked;
    bool exit_mouse = Default_Exit_Mouse_Checked;
    bool no_music = Default_No_Music_Checked;
    std::int32_t volume = Default_Volume_Position;
    std::int32_t speed = Default_Speed_Position;
    std::string volume_caption;
    std::vector<std::string> calls;

    bool FPS_Checked() const override { return fps; }
    bool Time_Checked() const override { return time; }
    bool Exit_Mouse_Checked() const override { return exit_mouse; }
    bool No_Music_Checked() const override { return no_music; }
    std::int32_t Volume_Position() const override { return volume; }
    std::int32_t Speed_Position() const override { return speed; }

    void Set_FPS_Checked(bool checked) override { Set(fps, checked, "fps"); }
    void Set_Time_Checked(bool checked) override { Set(time, checked, "time"); }
    void Set_Exit_Mouse_Checked(bool checked) override { Set(exit_mouse, checked, "exit_mouse"); }
    void Set_No_Music_Checked(bool checked) override { Set(no_music, checked, "no_music"); }

    void Set_Volume_Position(std::int32_t position) override {
        volume = Clamp_Volume_Position(position);
        calls.push_back("volume " + std::to_string(volume));
    }
    void Set_Speed_Position(std::int32_t position) override {
        speed = Clamp_Speed_Position(position);
        calls.push_back("speed " + std::to_string(speed));
    }
    void Set_Volume_Caption(const std::string& caption) override {
        volume_caption = caption;
        calls.push_back("caption " + caption);
    }
    void Repaint_Volume_Bar() override { calls.push_back("repaint"); }

    // The state the store reads and writes, without the log.
    auto Values() const { return std::tuple(fps, time, exit_mouse, no_music, volume, speed); }

  private:
    void Set(bool& box, bool checked, const char* name) {
        box = checked;
        calls.push_back(std::string(name) + (checked ? " on" : " off"));
    }
};
