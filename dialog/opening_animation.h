#pragma once
// The settings dialog's opening: it starts as a sliver near the middle of the work area and
// grows one step per idle pass to its full size, in one of three ways. Plain arithmetic; the
// dialog applies each place it returns to its window.

#include <optional>

inline constexpr int Dialog_Full_Width = 789;
inline constexpr int Dialog_Full_Height = 554;

enum class Opening_Variant { Rise, Curtain, Drop };

// The variant for a random number 0..2.
Opening_Variant Opening_Variant_For(int r);

struct Screen_Figures {
    int horz_res = 0;
    int half_width = 0;   // half the work area's width
    int half_height = 0;  // half the work area's height
};

struct Opening_State {
    int cur_width = 0;  // may pass the full width by up to one step
    int cur_left = 0;   // screen coordinates; may become negative
    int cur_height = 0;
    int cur_top = 0;
    int step_width = 0;
    int step_left = 0;
    int step_height = 0;
    int step_top = 0;
    bool top_fixed = false;
};

// What to apply to the window, in this order: width, height, top (when given), left.
struct Window_Place {
    int width = 0;
    int height = 0;
    std::optional<int> top;
    int left = 0;
};

// The starting state. `k` picks the step sizes: a random number 0..3 for the rise and the drop,
// 0..2 for the curtain.
Opening_State Start_Opening(Opening_Variant variant, const Screen_Figures& screen, int k);

// The place a start routine applies: everything as it stands, the top included.
Window_Place Start_Place(const Opening_State& state);

struct Opening_Step_Result {
    Window_Place place;
    bool finished = false;  // both dimensions at or past their targets
};

// One step of the growth.
Opening_Step_Result Advance_Opening(Opening_State& state);
