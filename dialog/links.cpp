// The two web links under the buttons and the pictures that lead to the product page.

#include "app/startup_values.h"
#include "dialog/adjustment_form.h"
#include "dialog/page_opener.h"
#include "ui/labels.h"

namespace {

constexpr ui::Colour Link_At_Rest = ui::colours::Blue;
constexpr ui::Colour Link_Under_Mouse = ui::colours::Fuchsia;
constexpr ui::Colour Link_Visited = ui::colours::Maroon;

// Mouse moves come many times a second; a link repaints only when its colour really changes.
void Colour_Link(ui::Label& link, ui::Colour colour) {
    if (link.Font().colour != colour)
        link.Set_Font_Colour(colour);
}

}  // namespace

void TAdjustment_Form::Label13MouseMove(ui::Component&, ui::Shift_State, int, int) {
    Colour_Link(*Label13, Link_Under_Mouse);
    Colour_Link(*Label14, Link_At_Rest);
}

void TAdjustment_Form::Label14MouseMove(ui::Component&, ui::Shift_State, int, int) {
    Colour_Link(*Label14, Link_Under_Mouse);
    Colour_Link(*Label13, Link_At_Rest);
}

// The strips around the links are where the mouse goes when it leaves them.
void TAdjustment_Form::SpecialFX_GroupBoxMouseMove(ui::Component&, ui::Shift_State, int, int) {
    Colour_Link(*Label13, Link_At_Rest);
    Colour_Link(*Label14, Link_At_Rest);
}

void TAdjustment_Form::Label13Click(ui::Component&) {
    Colour_Link(*Label13, Link_Visited);
    Open_Page(Handle(), Support_URL);
}

void TAdjustment_Form::Label14Click(ui::Component&) {
    Colour_Link(*Label14, Link_Visited);
    Open_Page(Handle(), Product_Page_URL);
}

// Any button: the pictures are advertisements, not handles to drag the window by.
void TAdjustment_Form::Main_Logo_ImageMouseDown(ui::Component&, ui::Mouse_Button, ui::Shift_State,
                                                int, int) {
    Open_Page(Handle(), Product_Page_URL);
}
