// The dialog's creation: the layout's last touches, then the skin, the colours and the choice of
// the opening.

#include <string>

#include "app/startup_texts.h"
#include "dialog/adjustment_form.h"
#include "sysinfo/screen_metrics.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/random.h"

namespace {

const std::string Dialog_Caption = std::string(Application_Title) + " Settings";
constexpr const char* Sound_Page_Caption = " Music FX Volume";
constexpr const char* Logo_Hint = " Click to check out other super screen savers! ";
// "&Restore" over "Defaults": the carriage return breaks the caption.
constexpr const char* Restore_Caption = "&Restore\rDefaults";
constexpr int Tall_Button_Width = 95;
constexpr int Tall_Button_Height = 57;
constexpr int Links_Strip_Left = 150;
constexpr int Opening_Variants = 3;

}  // namespace

void TAdjustment_Form::FormCreate(ui::Component&) {
    {
        ui::Window_Dc canvas(Handle());
        Read_Screen_Metrics(canvas.get());
    }
    Set_Caption(Dialog_Caption);
    Main_TVOut_Panel->Set_Caption("");
    Image_Music3->Set_Picture(Image_Music2->Picture());
    TabSheet_Sound->Set_Caption(Sound_Page_Caption);

    const ui::Handler_Table handlers = Handlers();
    for (ui::Image* music : {Image_Music1, Image_Music2, Image_Music3, Image_Music4})
        handlers.Wire(music->On_Mouse_Down, "FormMouseDown");

    Main_Logo_Image->Set_Show_Hint(true);
    Main_Logo_Image->Set_Hint(Logo_Hint);

    Restore_BitBtn->Set_Caption(Restore_Caption);
    Restore_BitBtn->Set_Width(Tall_Button_Width);
    Restore_BitBtn->Set_Height(Tall_Button_Height);
    Help_BitBtn->Set_Width(Tall_Button_Width);
    Help_BitBtn->Set_Height(Tall_Button_Height);
    Help_BitBtn->Set_Top(Restore_BitBtn->Top());
    SpecialFX_GroupBox->Set_Bounds(Links_Strip_Left, Restore_BitBtn->Top(),
                                   SpecialFX_GroupBox->Width(), Restore_BitBtn->Height());
    SpecialFX_GroupBox->Show();

    Build_Skin();
    Apply_Colour_Scheme();
    switch (Opening_Variant_For(ui::Random_Below(Opening_Variants))) {
        case Opening_Variant::Rise:
            Start_Opening_Rise();
            break;
        case Opening_Variant::Curtain:
            Start_Opening_Curtain();
            break;
        case Opening_Variant::Drop:
            Start_Opening_Drop();
            break;
    }
}
