// The dialog's skin: the outlines that cut the window and the TV screen, the pictures around the
// page control and where they go.

#include <windows.h>

#include <string_view>
#include <vector>

#include "dialog/adjustment_form.h"
#include "dialog/skin_placement.h"
#include "resources/resource_access.h"
#include "resources/resource_names.h"
#include "ui/bitmaps.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/integer_text.h"
#include "ui/labels.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/random.h"

namespace {

// The first picture comes from the first five; only the slideshow reaches the sixth.
constexpr int Opening_Screenshots = 5;

// One point list through a list box, the dialog's line splitter: the lines keep file order
// because the box never sorts.
std::vector<std::int32_t> Read_Points_Through(ui::List_Box& splitter, std::string_view name) {
    const auto bytes = Resource_Bytes(Points_Resource_Type, name);
    splitter.Set_Text(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::vector<std::int32_t> values;
    for (const std::string& line : splitter.Lines())
        values.push_back(ui::Str_To_Int(line));
    return values;
}

// The region passes to the system when it takes it; the dialog keeps it only when it does not.
void Cut_Window(HWND window, const Outline& outline) {
    std::vector<POINT> corners;
    corners.reserve(outline.points.size());
    for (const Outline_Point& point : outline.points)
        corners.push_back(POINT{point.x, point.y});
    ui::Gdi_Region region(CreatePolygonRgn(corners.data(), outline.count(), WINDING));
    if (region && SetWindowRgn(window, region.get(), TRUE))
        region.release();
}

ui::Gdi_Bitmap Load_Skin_Piece(std::string_view name) {
    const ui::Gdi_Bitmap loaded = Load_Bitmap_Resource(name);
    return ui::Copy_Bitmap(loaded.get(), 24);
}

Piece_Size Size_Of(HBITMAP bitmap) {
    const SIZE size = ui::Bitmap_Size(bitmap);
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

// The working bitmaps: they live only while the skin is built.
struct Skin_Bitmaps {
    ui::Gdi_Bitmap top, left_middle, left_bottom, right_bottom, ball_panel, ball, bottom;
    ui::Gdi_Bitmap left_top, right_top, exit_dark, exit_bright;
};

Skin_Bitmaps& Working_Bitmaps() {
    static Skin_Bitmaps bitmaps;
    return bitmaps;
}

void Give_Picture(ui::Image& image, HBITMAP picture, const Piece_Place& place) {
    image.Set_Picture(picture);
    image.Set_Transparent_Colour(ui::colours::Lime);
    image.Set_Bounds(place.left, place.top, place.width, place.height);
    image.Repaint();
}

void Move_To(ui::Control& control, const Piece_Place& place) {
    control.Set_Bounds(place.left, place.top, control.Width(), control.Height());
    control.Repaint();
}

}  // namespace

void TAdjustment_Form::Build_Skin() {
    const std::vector<std::int32_t> form_xs =
        Read_Points_Through(*Xdata_ListBox, Form_Outline_X_Name);
    const std::vector<std::int32_t> form_ys =
        Read_Points_Through(*Ydata_ListBox, Form_Outline_Y_Name);
    Form_Outline = Make_Outline(form_xs, form_ys, Form_Outline_X_Name, Form_Outline_Y_Name);
    const std::vector<std::int32_t> tv_xs =
        Read_Points_Through(*Xdata_ListBox, TVOut_Outline_X_Name);
    const std::vector<std::int32_t> tv_ys =
        Read_Points_Through(*Xdata_ListBox, TVOut_Outline_Y_Name);
    TVOut_Outline = Make_Outline(tv_xs, tv_ys, TVOut_Outline_X_Name, TVOut_Outline_Y_Name);

    Apply_Window_Regions();
    try {
        Load_Skin_Bitmaps();
        Place_Skin_Images();
    } catch (...) {
        Working_Bitmaps() = Skin_Bitmaps{};
        throw;
    }
}

void TAdjustment_Form::Apply_Window_Regions() {
    // Set while the window has its layout size; being in window coordinates, the regions hold
    // while the opening resizes and moves the window.
    Cut_Window(Main_TVOut_Panel->Handle(), TVOut_Outline);
    Cut_Window(Handle(), Form_Outline);
    Repaint();
}

void TAdjustment_Form::Load_Skin_Bitmaps() {
    ui::Reseed();
    Skin_Bitmaps& b = Working_Bitmaps();
    b.top = Load_Skin_Piece(Skin_Frame_Names[0]);
    b.left_middle = Load_Skin_Piece(Skin_Frame_Names[1]);
    b.left_bottom = Load_Skin_Piece(Skin_Frame_Names[2]);
    b.right_bottom = Load_Skin_Piece(Skin_Frame_Names[3]);
    b.ball_panel = Load_Skin_Piece(Skin_Frame_Names[4]);
    b.ball = Load_Skin_Piece(Ball_Name);
    b.bottom = Load_Skin_Piece(Skin_Bottom_Name);
    b.left_top = Load_Skin_Piece(Skin_Left_Top_Names[static_cast<std::size_t>(
        ui::Random_Below(static_cast<int>(Skin_Left_Top_Names.size())))]);
    b.right_top = Load_Skin_Piece(Skin_Right_Top_Names[static_cast<std::size_t>(
        ui::Random_Below(static_cast<int>(Skin_Right_Top_Names.size())))]);
    b.exit_dark = Load_Skin_Piece(Exit_Image_Names[1]);
    b.exit_bright = Load_Skin_Piece(Exit_Image_Names[0]);

    ui::Reseed();
    Show_Screenshot(ui::Random_Below(Opening_Screenshots));
}

void TAdjustment_Form::Show_Screenshot(int index) {
    const Rgb_Image shot = Load_Jpeg_Resource(Screenshot_Name(Dialog_Screenshot_Prefix, index));
    const ui::Gdi_Bitmap picture = ui::Make_Bitmap(shot, 24);
    Main_TVOut_Image->Set_Picture(picture.get());
}

void TAdjustment_Form::Place_Skin_Images() {
    Skin_Bitmaps& b = Working_Bitmaps();
    Skin_Piece_Sizes sizes;
    sizes.left_top = Size_Of(b.left_top.get());
    sizes.top = Size_Of(b.top.get());
    sizes.left_middle = Size_Of(b.left_middle.get());
    sizes.left_bottom = Size_Of(b.left_bottom.get());
    sizes.right_top = Size_Of(b.right_top.get());
    sizes.right_bottom = Size_Of(b.right_bottom.get());
    sizes.bottom = Size_Of(b.bottom.get());
    sizes.exit_button = Size_Of(b.exit_bright.get());
    sizes.ball_panel = Size_Of(b.ball_panel.get());
    sizes.ball = Size_Of(b.ball.get());
    sizes.page_control_width = Page_Control->Width();
    sizes.panel1_top = Panel1->Top();
    const Skin_Layout at = Place_Skin(sizes, Dialog_Full_Height);

    Give_Picture(*Left_Image_top, b.left_top.get(), at.left_top);
    Give_Picture(*Top_Image, b.top.get(), at.top);
    Give_Picture(*Left_Image_Middle, b.left_middle.get(), at.left_middle);
    Give_Picture(*Left_Image_bottom, b.left_bottom.get(), at.left_bottom);
    Give_Picture(*Right_Image_top, b.right_top.get(), at.right_top);
    Give_Picture(*Right_Image_bottom, b.right_bottom.get(), at.right_bottom);
    Give_Picture(*Bottom_Image, b.bottom.get(), at.bottom);
    // Crosswise to the names: the picture seen at rest is the bright drawing.
    Give_Picture(*Top_Exit_Image_passive, b.exit_bright.get(), at.exit_passive);
    Give_Picture(*Top_Exit_Image_active, b.exit_dark.get(), at.exit_active);
    Move_To(*Main_Logo_Image, at.logo);
    Main_Logo_Image->Show();
    Move_To(*glGroupBox_Channels_Monitoring, at.channels_monitoring);
    Move_To(*Main_TVOut_Panel, at.tv_panel);
    Main_TVOut_Image->Set_Bounds(0, 0, Main_TVOut_Panel->Width(), Main_TVOut_Panel->Height());
    Move_To(*glLabel_Slogan, at.slogan);
    glLabel_Slogan->Show();
    glLabel_Slogan->Bring_To_Front();
    Move_To(*Page_Control, at.page_control);
    Give_Picture(*Ball_Hide_Panel_Image, b.ball_panel.get(), at.ball_panel);
    // The ball is drawn on white, which its own corner pixel gives as the colour to leave out.
    Ball_Shato_Image->Set_Picture(b.ball.get());
    Move_To(*Ball_Shato_Image, at.ball);

    Top_Image->Show();
    Top_Image->Bring_To_Front();
    for (ui::Image* piece : {Left_Image_top, Left_Image_Middle, Left_Image_bottom, Right_Image_top,
                             Right_Image_bottom})
        piece->Show();
    Ball_Shato_Image->Show();
    Ball_Shato_Image->Send_To_Back();
    Ball_Hide_Panel_Image->Show();
    Ball_Hide_Panel_Image->Bring_To_Front();
    Bottom_Image->Show();
    Top_Exit_Image_active->Show();
    Top_Exit_Image_passive->Show();
    Top_Exit_Image_passive->Bring_To_Front();

    b = Skin_Bitmaps{};
}
