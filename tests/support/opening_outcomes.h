#pragma once
// Every place the dialog's opening can end at on a screen, from the same arithmetic the dialog
// uses: three variants, each with its step sizes.

#include <set>
#include <utility>

#include "dialog/opening_animation.h"

inline std::set<std::pair<int, int>> Possible_Final_Places(const Screen_Figures& screen) {
    std::set<std::pair<int, int>> places;
    for (Opening_Variant variant :
         {Opening_Variant::Rise, Opening_Variant::Curtain, Opening_Variant::Drop}) {
        for (int k = 0; k < 4; ++k) {
            Opening_State state = Start_Opening(variant, screen, k);
            Window_Place place = Start_Place(state);
            int top = *place.top;
            for (bool finished = false; !finished;) {
                const Opening_Step_Result step = Advance_Opening(state);
                finished = step.finished;
                place = step.place;
                top = place.top.value_or(top);
            }
            places.insert({place.left, top});
        }
    }
    return places;
}
