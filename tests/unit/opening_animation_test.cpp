#include "dialog/opening_animation.h"

#include <gtest/gtest.h>

namespace {

const Screen_Figures Large_Screen{1024, 512, 369};  // 1024 x 738 work area
const Screen_Figures Small_Screen{640, 320, 226};   // 640 x 452 work area

struct Growth {
    int steps = 0;
    int height_steps = 0;  // the step at which the height reached its target
    Window_Place last;
    int top_shown = 0;  // the top the window has at the end
};

// Runs the growth as the dialog does, applying each place to a pretend window.
Growth Grow(Opening_Variant variant, const Screen_Figures& screen, int k) {
    Opening_State state = Start_Opening(variant, screen, k);
    Growth run;
    run.top_shown = *Start_Place(state).top;
    for (;;) {
        Opening_Step_Result step = Advance_Opening(state);
        ++run.steps;
        if (step.place.top)
            run.top_shown = *step.place.top;
        if (run.height_steps == 0 && state.cur_height >= Dialog_Full_Height) {
            run.height_steps = run.steps;
        }
        run.last = step.place;
        if (step.finished)
            break;
        if (run.steps > 1000) {
            ADD_FAILURE() << "never finishes";
            break;
        }
    }
    return run;
}

TEST(Opening_Animation, Rise_With_Small_Steps_Follows_The_Worked_Values) {
    Opening_State state = Start_Opening(Opening_Variant::Rise, Large_Screen, 0);
    Window_Place start = Start_Place(state);
    EXPECT_EQ(start.width, 2);
    EXPECT_EQ(start.height, 2);
    EXPECT_EQ(start.left, 512);
    EXPECT_EQ(start.top, 319);

    Opening_Step_Result first = Advance_Opening(state);
    EXPECT_EQ(first.place.width, 20);
    EXPECT_EQ(first.place.height, 17);
    EXPECT_EQ(first.place.left, 503);
    EXPECT_EQ(first.place.top, 313);

    Growth run = Grow(Opening_Variant::Rise, Large_Screen, 0);
    EXPECT_EQ(run.height_steps, 37);
    EXPECT_EQ(run.steps, 44);
    EXPECT_EQ(run.last.width, 789);
    EXPECT_EQ(run.last.height, 554);
    EXPECT_EQ(run.last.left, 116);
    EXPECT_EQ(run.top_shown, 97);
}

struct Final_Place {
    Opening_Variant variant;
    const Screen_Figures* screen;
    int k;
    int steps, left, top;
};

class Opening_Final_Place : public testing::TestWithParam<Final_Place> {};

TEST_P(Opening_Final_Place, Ends_Full_Size_Where_Expected) {
    const Final_Place& c = GetParam();
    Growth run = Grow(c.variant, *c.screen, c.k);
    EXPECT_EQ(run.steps, c.steps);
    EXPECT_EQ(run.last.width, Dialog_Full_Width);
    EXPECT_EQ(run.last.height, Dialog_Full_Height);
    EXPECT_EQ(run.last.left, c.left);
    EXPECT_EQ(run.top_shown, c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Worked_Values, Opening_Final_Place,
    testing::Values(Final_Place{Opening_Variant::Rise, &Large_Screen, 0, 44, 116, 97},
                    Final_Place{Opening_Variant::Rise, &Large_Screen, 1, 33, 116, 95},
                    Final_Place{Opening_Variant::Rise, &Large_Screen, 3, 27, 107, 89},
                    Final_Place{Opening_Variant::Drop, &Large_Screen, 0, 44, 116, 92},
                    Final_Place{Opening_Variant::Drop, &Large_Screen, 2, 33, 116, 92},
                    Final_Place{Opening_Variant::Drop, &Large_Screen, 3, 27, 107, 92},
                    Final_Place{Opening_Variant::Curtain, &Large_Screen, 0, 50, 112, 92},
                    Final_Place{Opening_Variant::Curtain, &Large_Screen, 1, 40, 112, 92},
                    Final_Place{Opening_Variant::Curtain, &Large_Screen, 2, 20, 112, 92},
                    Final_Place{Opening_Variant::Rise, &Small_Screen, 0, 44, -76, 0},
                    Final_Place{Opening_Variant::Drop, &Small_Screen, 0, 44, -76, 0},
                    Final_Place{Opening_Variant::Curtain, &Small_Screen, 2, 20, -80, 0}));

TEST(Opening_Animation, Small_Screen_Rise_Stops_Its_Top_At_Zero_While_The_Height_Grows) {
    Opening_State state = Start_Opening(Opening_Variant::Rise, Small_Screen, 0);
    EXPECT_EQ(Start_Place(state).top, 216);
    bool top_withheld = false;
    int height_after_withheld_top = 0;
    for (int i = 0; i < 44; ++i) {
        Opening_Step_Result step = Advance_Opening(state);
        if (!step.place.top) {
            top_withheld = true;
            height_after_withheld_top = step.place.height;
        }
    }
    EXPECT_TRUE(top_withheld);
    EXPECT_EQ(height_after_withheld_top, Dialog_Full_Height);
}

TEST(Opening_Animation, Exactly_700_Pixels_Counts_As_A_Small_Screen) {
    const Screen_Figures at_700{700, 400, 300};
    const Screen_Figures at_701{701, 400, 300};
    EXPECT_EQ(Start_Opening(Opening_Variant::Rise, at_700, 0).cur_top, 290);
    EXPECT_EQ(Start_Opening(Opening_Variant::Rise, at_701, 0).cur_top, 250);
    EXPECT_EQ(Start_Opening(Opening_Variant::Drop, at_700, 0).cur_top, 0);
    EXPECT_EQ(Start_Opening(Opening_Variant::Drop, at_701, 0).cur_top, 23);
    EXPECT_EQ(Start_Opening(Opening_Variant::Curtain, at_700, 0).cur_top, 0);
}

TEST(Opening_Animation, Step_Tables) {
    struct Row {
        Opening_Variant variant;
        int k, step_width, step_left, step_height, step_top;
    };
    for (const Row& row :
         {Row{Opening_Variant::Rise, 0, 18, 9, 15, 6}, Row{Opening_Variant::Rise, 1, 24, 12, 20, 8},
          Row{Opening_Variant::Drop, 2, 24, 12, 20, 8},
          Row{Opening_Variant::Drop, 3, 30, 15, 25, 10},
          Row{Opening_Variant::Curtain, 0, 16, 8, 0, 0},
          Row{Opening_Variant::Curtain, 1, 20, 10, 0, 0},
          Row{Opening_Variant::Curtain, 2, 40, 20, 0, 0}}) {
        Opening_State s = Start_Opening(row.variant, Large_Screen, row.k);
        EXPECT_EQ(s.step_width, row.step_width);
        EXPECT_EQ(s.step_left, row.step_left);
        EXPECT_EQ(s.step_height, row.step_height);
        EXPECT_EQ(s.step_top, row.step_top);
    }
    EXPECT_EQ(Opening_Variant_For(0), Opening_Variant::Rise);
    EXPECT_EQ(Opening_Variant_For(1), Opening_Variant::Curtain);
    EXPECT_EQ(Opening_Variant_For(2), Opening_Variant::Drop);
}

TEST(Opening_Animation, A_Dimension_Equal_To_Its_Target_Grows_Once_More) {
    Opening_State state;
    state.cur_width = Dialog_Full_Width;
    state.cur_height = Dialog_Full_Height;
    state.step_width = 10;
    state.step_left = 5;
    state.step_height = 4;
    state.step_top = 2;
    state.cur_left = 100;
    state.cur_top = 50;
    Opening_Step_Result step = Advance_Opening(state);
    EXPECT_EQ(state.cur_width, Dialog_Full_Width + 10);
    EXPECT_EQ(state.cur_height, Dialog_Full_Height + 4);
    EXPECT_EQ(step.place.left, 95);
    EXPECT_EQ(step.place.top, 48);
    EXPECT_EQ(step.place.width, Dialog_Full_Width);
    EXPECT_TRUE(step.finished);
}

}  // namespace
