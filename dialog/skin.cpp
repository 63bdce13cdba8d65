// The borderless dialog's skin: moving it by dragging, the close button's hover, the slideshow.

#include "dialog/adjustment_form.h"
#include "resources/resource_names.h"
#include "ui/image.h"

void TAdjustment_Form::FormMouseDown(ui::Component&, ui::Mouse_Button, ui::Shift_State, int, int) {
    // The system moves the window as if its caption bar were dragged.
    constexpr WPARAM Move_By_Caption = SC_MOVE | HTCAPTION;
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, Move_By_Caption, 0);
}

// The hovered picture has no mouse-move handler of its own, so the pieces around the button
// are what bring the rest picture back once the mouse leaves it.
void TAdjustment_Form::FormMouseMove(ui::Component&, ui::Shift_State, int, int) {
    if (!Exit_Hover)
        return;
    Exit_Hover = false;
    Top_Exit_Image_passive->Bring_To_Front();
}

void TAdjustment_Form::Top_Exit_Image_passiveMouseMove(ui::Component&, ui::Shift_State, int, int) {
    Exit_Hover = true;
    Top_Exit_Image_active->Bring_To_Front();
}

void TAdjustment_Form::Sshots_Changer_TimerTimer(ui::Component&) {
    // The index moves first, so a picture that fails to load is skipped at the next tick.
    Screenshot_Index = Screenshot_Index + 1 < Screenshot_Count ? Screenshot_Index + 1 : 0;
    Show_Screenshot(Screenshot_Index);
}
