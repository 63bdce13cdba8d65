#pragma once
// Where the skin pieces and the controls around them go, worked out from the pieces' own sizes
// so that other artwork of other sizes still fits together.

struct Piece_Size {
    int width = 0;
    int height = 0;
};

struct Piece_Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Skin_Piece_Sizes {
    Piece_Size left_top, top, left_middle, left_bottom, right_top, right_bottom, bottom;
    Piece_Size exit_button, ball_panel, ball;
    int page_control_width = 0;
    int panel1_top = 0;  // the links strip, whose place the logo follows
};

struct Skin_Layout {
    Piece_Place left_top, top, left_middle, left_bottom, right_top, right_bottom, bottom;
    Piece_Place exit_passive, exit_active;  // the rest-state picture and the hovered one
    Piece_Place logo;                       // left and top only
    Piece_Place channels_monitoring;        // left and top only
    Piece_Place tv_panel;                   // left and top only
    Piece_Place slogan;                     // left and top only
    Piece_Place page_control;               // left and top only
    Piece_Place ball_panel, ball;
    int background_height = 0;  // the gradient behind everything ends where the bottom bar starts
};

Skin_Layout Place_Skin(const Skin_Piece_Sizes& sizes, int dialog_height);
