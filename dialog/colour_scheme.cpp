// The colour scheme: the background and the group boxes each end their gradient in a colour of
// their own draw.

#include "dialog/adjustment_form.h"
#include "dialog/skin_colours.h"
#include "ui/bevels.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/random.h"

namespace {

ui::Colour Drawn_Skin_Colour() {
    return Skin_Colour_Options[static_cast<std::size_t>(
        ui::Random_Below(static_cast<int>(Skin_Colour_Options.size())))];
}

}  // namespace

void TAdjustment_Form::Apply_Colour_Scheme() {
    // The background ends where the bottom bar starts: the strip below belongs to the bar.
    glBevel_onMainForm->Set_Bounds(0, 0, Dialog_Full_Width,
                                   Dialog_Full_Height - Bottom_Image->Height());
    ui::Gradient background = glBevel_onMainForm->Current_Gradient();
    background.from = ui::colours::White;
    background.to = Drawn_Skin_Colour();
    background.direction = ui::Gradient_Direction::Horizontal;
    glBevel_onMainForm->Set_Gradient(background);
    glBevel_onMainForm->Repaint();
    glBevel_onMainForm->Show();
    glBevel_onMainForm->Send_To_Back();

    ui::Reseed();
    const ui::Colour groups = Drawn_Skin_Colour();
    for (ui::Gradient_Group_Box* box :
         {glGroupBox_Video_Options, glGroupBox_Camera_Speed, glGroupBox_Preview_Control,
          glGroupBox_Volume_Music, glGroupBox_Current_Time, glGroupBox_Today_NOW,
          glGroupBox_CPU_Speed, glGroupBox_VideoMEM, glGroupBox_GlobalMem, glGroupBox_Links,
          glGroupBox_Channels_Monitoring})
        box->Set_Client_Gradient_End(groups);
    Repaint();
}
