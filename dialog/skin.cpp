// The borderless dialog's skin: moving it by dragging, the close button's hover, the slideshow.

#include "dialog/adjustment_form.h"

void TAdjustment_Form::FormMouseDown(ui::Component&, ui::Mouse_Button, ui::Shift_State, int, int) {
    // The system moves the window as if its caption bar were dragged.
    constexpr WPARAM Move_By_Caption = SC_MOVE | HTCAPTION;
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, Move_By_Caption, 0);
}

void TAdjustment_Form::FormMouseMove(ui::Component&, ui::Shift_State, int, int) {}
void TAdjustment_Form::Top_Exit_Image_passiveMouseMove(ui::Component&, ui::Shift_State, int, int) {}
void TAdjustment_Form::Sshots_Changer_TimerTimer(ui::Component&) {}
