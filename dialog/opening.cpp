// The dialog's first showing and the set-up once it stands at its full size.

#include <windows.h>
#include <commctrl.h>

#include "config/settings_store.h"
#include "dialog/adjustment_form.h"
#include "sysinfo/screen_figures.h"
#include "ui/application.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/progress_bars.h"
#include "ui/random.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace {

constexpr int Volume_Thumb_Length = 20;
constexpr int Speed_Bar_Width = 52;
constexpr int Speed_Thumb_Length = 36;
constexpr ui::Layout_Rect Marquee_Place{44, 294, 241, 5};
// The slideshow starts from one of the first five; its first tick shows the next.
constexpr int Slideshow_Starts = 5;
constexpr int Rise_Drop_Step_Choices = 4;
constexpr int Curtain_Step_Choices = 3;

// The selection range was only for the layout's look; the open dialog draws none.
void Hide_Selection_Range(const ui::Track_Bar& bar) {
    const LONG_PTR style = GetWindowLongPtrW(bar.Handle(), GWL_STYLE);
    SetWindowLongPtrW(bar.Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(TBS_ENABLESELRANGE));
}

}  // namespace

void TAdjustment_Form::Start_Opening_Variant(Opening_Variant variant, int k) {
    const Screen_Figures screen{Screen_HorzRes, WorkArea_HalfWidth, WorkArea_HalfHeight};
    Opening = Start_Opening(variant, screen, k);
    Apply_Opening_Place(Start_Place(Opening));
    Repaint();
}

void TAdjustment_Form::Start_Opening_Rise() {
    Start_Opening_Variant(Opening_Variant::Rise, ui::Random_Below(Rise_Drop_Step_Choices));
}

void TAdjustment_Form::Start_Opening_Curtain() {
    Start_Opening_Variant(Opening_Variant::Curtain, ui::Random_Below(Curtain_Step_Choices));
}

void TAdjustment_Form::Start_Opening_Drop() {
    Start_Opening_Variant(Opening_Variant::Drop, ui::Random_Below(Rise_Drop_Step_Choices));
}

void TAdjustment_Form::Apply_Opening_Place(const Window_Place& place) {
    // One move for the four values: the window never shows a half-applied step. A top that
    // would leave the screen keeps the last one.
    Set_Bounds(place.left, place.top.value_or(Top()), place.width, place.height);
}

void TAdjustment_Form::FormShow(ui::Component&) {
    if (!First_Show)
        return;
    First_Show = false;
    Opening_Idle.Install([this](bool& done) { Opening_Step(done); });
}

void TAdjustment_Form::Opening_Step(bool& done) {
    done = false;
    ui::The_Application().Process_Messages();
    // A close among those messages hides the dialog, which is then on its way out.
    if (!Visible() || Destroying()) {
        Opening_Idle.Remove();
        done = true;
        return;
    }
    const Opening_Step_Result step = Advance_Opening(Opening);
    Apply_Opening_Place(step.place);
    if (step.finished) {
        Opening_Idle.Remove();
        done = true;
        Finish_Opening();
    }
}

void TAdjustment_Form::Finish_Opening() {
    for (ui::Image* piece : {Top_Image, Left_Image_top, Left_Image_Middle, Left_Image_bottom,
                             Right_Image_top, Right_Image_bottom, Bottom_Image, Ball_Shato_Image,
                             Ball_Hide_Panel_Image, Top_Exit_Image_passive}) {
        piece->Repaint();
    }
    Main_TVOut_Panel->Show();
    Load_Config(*this);
    Settings_Loaded = true;
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

    ui::Reseed();
    Screenshot_Index = ui::Random_Below(Slideshow_Starts);

    Page_Control->Set_Active_Page(*TabSheet_Main);
    Page_Control->Show();
}
