#include "dialog/skin_placement.h"

namespace {

Piece_Place At(int left, int top, Piece_Size size) {
    return {left, top, size.width, size.height};
}

}  // namespace

Skin_Layout Place_Skin(const Skin_Piece_Sizes& s, int dialog_height) {
    Skin_Layout l;
    l.left_top = At(0, 0, s.left_top);
    l.top = At(33, 0, s.top);
    l.left_middle = At(l.left_top.width, l.top.height + 80, s.left_middle);
    l.left_bottom = At(32, l.left_middle.top + l.left_middle.height - 19, s.left_bottom);
    l.right_top = At(l.top.left + l.top.width - 11, 35, s.right_top);
    l.right_bottom = At(l.right_top.left, l.right_top.top + l.right_top.height - 1, s.right_bottom);
    l.bottom = At(l.right_bottom.left - s.bottom.width,
                  l.right_bottom.top + l.right_bottom.height - s.bottom.height, s.bottom);
    l.exit_passive = At(l.right_top.left - 30, l.right_top.top + 3, s.exit_button);
    l.exit_active = l.exit_passive;
    l.logo = {l.left_bottom.left + l.left_bottom.width - 41, s.panel1_top - 97, 0, 0};
    l.channels_monitoring = {l.left_bottom.left + 11, l.left_bottom.top - 69, 0, 0};
    l.tv_panel = {49, 43, 0, 0};
    l.slogan = {l.bottom.left + 155, l.bottom.top + 11, 0, 0};
    l.page_control = {l.right_bottom.left - s.page_control_width - 1,
                      l.exit_passive.top + l.exit_passive.height + 6, 0, 0};
    l.ball_panel = At(l.page_control.left - 92, l.top.top + l.top.height - 33, s.ball_panel);
    l.ball = At(l.ball_panel.left + 21, l.ball_panel.top + 5, s.ball);
    l.background_height = dialog_height - s.bottom.height;
    return l;
}
