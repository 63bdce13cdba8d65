// The dialog's first showing and the set-up once it stands at its full size.

#include <windows.h>
#include <commctrl.h>

#include "config/settings_store.h"
#include "dialog/adjustment_form.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/progress_bars.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace {

constexpr int Volume_Thumb_Length = 20;
constexpr int Speed_Bar_Width = 52;
constexpr int Speed_Thumb_Length = 36;
constexpr ui::Layout_Rect Marquee_Place{44, 294, 241, 5};

// The selection range was only for the layout's look; the open dialog draws none.
void Hide_Selection_Range(const ui::Track_Bar& bar) {
    const LONG_PTR style = GetWindowLongPtrW(bar.Handle(), GWL_STYLE);
    SetWindowLongPtrW(bar.Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(TBS_ENABLESELRANGE));
}

// Without the opening animation the dialog stands in the middle of the work area.
void Centre_On_Work_Area(HWND window) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT own{};
    GetWindowRect(window, &own);
    const int left = work.left + ((work.right - work.left) - (own.right - own.left)) / 2;
    const int top = work.top + ((work.bottom - work.top) - (own.bottom - own.top)) / 2;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void TAdjustment_Form::FormShow(ui::Component&) {
    if (!First_Show)
        return;
    First_Show = false;
    // The growing opening takes its place here; for now the dialog opens at once.
    Centre_On_Work_Area(Handle());
    Finish_Opening();
}

void TAdjustment_Form::Finish_Opening() {
    for (ui::Image* piece : {Top_Image, Left_Image_top, Left_Image_Middle, Left_Image_bottom,
                             Right_Image_top, Right_Image_bottom, Bottom_Image, Ball_Shato_Image,
                             Ball_Hide_Panel_Image, Top_Exit_Image_passive}) {
        piece->Repaint();
    }
    Main_TVOut_Panel->Show();
    Load_Config(*this);
    Repaint();
    Post_Open_Setup();
    Sshots_Changer_Timer->Set_Enabled(true);
}

void TAdjustment_Form::Post_Open_Setup() {
    TrackBar_Volume_Music->Set_Thumb_Length(Volume_Thumb_Length);
    Hide_Selection_Range(*TrackBar_Volume_Music);
    TrackBar_Scene_Speed->Set_Width(Speed_Bar_Width);
    TrackBar_Scene_Speed->Set_Thumb_Length(Speed_Thumb_Length);
    Hide_Selection_Range(*TrackBar_Scene_Speed);

    MarqueeProgressBar1->Set_Bounds(Marquee_Place.left, Marquee_Place.top, Marquee_Place.width,
                                    Marquee_Place.height);
    MarqueeProgressBar1->Show();

    glProgressBar_Volume_Music->Set_Caption("");
    glProgressBar_Volume_Music->Set_Fill_Reversed(true);

    Page_Control->Set_Active_Page(*TabSheet_Main);
    Page_Control->Show();
}
