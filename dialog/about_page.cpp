// The About page: its figures are measured once, the first time the page comes to the front
// (the processor measurement holds the dialog for half a second, so it waits until asked for);
// its clock runs only while the page is in front.

#include <windows.h>

#include <string>

#include "dialog/adjustment_form.h"
#include "dialog/readouts.h"
#include "resources/resource_access.h"
#include "resources/resource_names.h"
#include "sysinfo/cpu_clock.h"
#include "sysinfo/direct_draw.h"
#include "sysinfo/memory_status.h"
#include "ui/date_picker.h"
#include "ui/image.h"
#include "ui/labels.h"
#include "ui/page_control.h"
#include "ui/timer.h"

namespace {

// The current local time in the user's long time format.
std::string Time_Text_Now() {
    char text[128] = {};
    const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text,
                                      static_cast<int>(sizeof text));
    return length > 0 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

// Today at midnight: the date picker shows a day, not a moment.
SYSTEMTIME Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    now.wHour = 0;
    now.wMinute = 0;
    now.wSecond = 0;
    now.wMilliseconds = 0;
    return now;
}

}  // namespace

void TAdjustment_Form::Page_ControlChange(ui::Component& Sender) {
    const bool about_in_front = TabSheet_About->Visible();
    Current_Timer->Set_Enabled(!About_First_Visit && about_in_front);
    if (About_First_Visit && about_in_front)
        Fill_About_Page();
    // Turning the pages counts as reaching for the settings, as entering an option does.
    CheckBox_ExitMouseEnter(Sender);
}

void TAdjustment_Form::Fill_About_Page() {
    About_First_Visit = false;
    // The page stands drawn before the half-second measurement holds the dialog.
    Page_Control->Repaint();
    DateTimePicker1->Set_Date(Today());
    Image_Molecule->Set_Picture(Load_Bitmap_Resource(About_Molecula_Name).get());
    Image_Molecule->Repaint();
    Current_Timer->Set_Enabled(true);

    // No window for DirectDraw: the figure needs none (the normal level allows it), and under
    // Wine a cooperative level on the dialog's window keeps its later painting off the screen.
    Open_DirectDraw(nullptr);
    Label_VideoCardMemo->Set_Caption(Megabytes_Text(Read_Video_Memory_Mb()));
    Label_Mashine_CPU_speed->Set_Caption(Cpu_Speed_Text(Measure_CPU_MHz()));
    Close_DirectDraw();
    const Ram_Figures ram = Read_RAM_Figures();
    Label_RAM_Load->Set_Caption(Memory_Load_Text(ram.load_percent));
    Label_RAM_Total->Set_Caption(Megabytes_Text(static_cast<double>(ram.total_mb)));
    Page_Control->Repaint();
}

void TAdjustment_Form::Current_TimerTimer(ui::Component&) {
    Time_Label->Set_Caption(Clock_Caption(Time_Text_Now()));
    // Read again: the day may have turned between the two readings.
    if (Is_Midnight_Text(Time_Text_Now()))
        DateTimePicker1->Set_Date(Today());
}
