#include "dialog/opening_animation.h"

#include <algorithm>

namespace {

// Half the full height: where the drop and the curtain put their top on a large screen.
constexpr int Half_Full_Height = Dialog_Full_Height / 2;

// Screens up to this width start lower tops; exactly this width counts as small.
constexpr int Small_Screen_Width = 700;

struct Rise_Steps {
    int step_left;
    int step_top;
};

// Table A: the rise and the drop, by k = 0..3.
constexpr Rise_Steps Table_A[4] = {{9, 6}, {12, 8}, {12, 8}, {15, 10}};

// Table B: the curtain's width step, by k = 0..2.
constexpr int Table_B[3] = {16, 20, 40};

}  // namespace

Opening_Variant Opening_Variant_For(int r) {
    switch (r) {
        case 1:
            return Opening_Variant::Curtain;
        case 2:
            return Opening_Variant::Drop;
        default:
            return Opening_Variant::Rise;
    }
}

Opening_State Start_Opening(Opening_Variant variant, const Screen_Figures& screen, int k) {
    const bool large = screen.horz_res > Small_Screen_Width;
    Opening_State state;
    state.cur_width = 2;
    state.cur_left = screen.half_width;
    switch (variant) {
        case Opening_Variant::Rise:
            state.cur_height = 2;
            state.cur_top = large ? screen.half_height - 50 : screen.half_height - 10;
            break;
        case Opening_Variant::Drop:
            state.cur_height = 2;
            state.cur_top = large ? screen.half_height - Half_Full_Height : 0;
            state.top_fixed = true;
            break;
        case Opening_Variant::Curtain:
            state.cur_height = Dialog_Full_Height;
            state.cur_top = large ? screen.half_height - Half_Full_Height : 0;
            break;
    }
    if (variant == Opening_Variant::Curtain) {
        state.step_width = Table_B[std::clamp(k, 0, 2)];
        state.step_left = state.step_width / 2;
    } else {
        const Rise_Steps& row = Table_A[std::clamp(k, 0, 3)];
        state.step_left = row.step_left;
        state.step_top = row.step_top;
        state.step_width = 2 * row.step_left;
        state.step_height = 2 * row.step_top + row.step_top / 2;
    }
    return state;
}

Window_Place Start_Place(const Opening_State& state) {
    return {state.cur_width, state.cur_height, state.cur_top, state.cur_left};
}

Opening_Step_Result Advance_Opening(Opening_State& state) {
    // A dimension that equals its target still grows once more: the test allows equality.
    if (state.cur_width <= Dialog_Full_Width) {
        state.cur_width += state.step_width;
        state.cur_left -= state.step_left;
    }
    if (state.cur_height <= Dialog_Full_Height) {
        state.cur_height += state.step_height;
        if (!state.top_fixed)
            state.cur_top -= state.step_top;
    }
    Opening_Step_Result result;
    result.place.width = std::min(state.cur_width, Dialog_Full_Width);
    result.place.height = std::min(state.cur_height, Dialog_Full_Height);
    // A top above the screen is not applied: the window keeps its last top.
    if (state.cur_top >= 0)
        result.place.top = state.cur_top;
    result.place.left = state.cur_left;
    result.finished =
        state.cur_width >= Dialog_Full_Width && state.cur_height >= Dialog_Full_Height;
    return result;
}
