// The form layer on small layouts of its own: mouse routing among windowless controls,
// transparency, notifications, focus and enter events, keys, idle time, release, errors,
// hints, timers and the objects it leaves behind.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "form_test_support.h"
#include "ui/buttons.h"
#include "ui/component_name.h"
#include "ui/containers.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/hints.h"
#include "ui/image.h"
#include "ui/labels.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace {

using namespace form_test;

// A form whose handlers write down what happened.
class Recording_Form : public ui::Form {
  public:
    explicit Recording_Form(std::string_view layout) : ui::Form("Test_Form") {
        ui::Handler_Table table;
        table.Add("Down", *this, &Recording_Form::Down);
        table.Add("Move", *this, &Recording_Form::Move);
        table.Add("Clicked", *this, &Recording_Form::Clicked);
        table.Add("Double", *this, &Recording_Form::Double);
        table.Add("Entered", *this, &Recording_Form::Entered);
        table.Add("Changed", *this, &Recording_Form::Changed);
        table.Add("Key", *this, &Recording_Form::Key);
        table.Add("Ticked", *this, &Recording_Form::Ticked);
        table.Add("Fails", *this, &Recording_Form::Fails);
        table.Add("Releases", *this, &Recording_Form::Releases);
        Create_From_Layout(ui::Parse_Layout(layout), table);
    }

    std::vector<std::string> events;

    void Down(ui::Component& sender, ui::Mouse_Button button, ui::Shift_State, int x, int y) {
        events.push_back("down " + sender.Name() + " " + std::to_string(x) + "," +
                         std::to_string(y) + (button == ui::Mouse_Button::Right ? " right" : ""));
    }
    void Move(ui::Component& sender, ui::Shift_State, int, int) {
        events.push_back("move " + sender.Name());
    }
    void Clicked(ui::Component& sender) { events.push_back("click " + sender.Name()); }
    void Double(ui::Component& sender) { events.push_back("double " + sender.Name()); }
    void Entered(ui::Component& sender) { events.push_back("enter " + sender.Name()); }
    void Changed(ui::Component& sender) { events.push_back("change " + sender.Name()); }
    void Key(ui::Component& sender, WORD& key, ui::Shift_State) {
        events.push_back("key " + sender.Name() + " " + std::to_string(key));
        if (key == VK_F2)
            key = 0;
    }
    void Ticked(ui::Component& sender) { events.push_back("tick " + sender.Name()); }
    void Fails(ui::Component&) { throw std::runtime_error("The handler failed"); }
    // Whether the window still stood right after Release, inside the event.
    static inline bool standing_after_release = false;
    void Releases(ui::Component&) {
        Release();
        standing_after_release = IsWindow(Handle()) && !Destroying();
    }
};

class Form_Layer : public testing::Test {
  protected:
    static void SetUpTestSuite() { ui::The_Application().Initialize(); }
    void TearDown() override { ui::The_Application().Destroy_Forms(); }

    Recording_Form& Make(std::string_view layout) {
        auto& form = ui::The_Application().Create_Form<Recording_Form>(layout);
        form.Show();
        Pump();
        form.events.clear();
        return form;
    }

    Recorded_Errors errors_;
};

void Mouse(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageW(window, message, keys, MAKELPARAM(x, y));
}

constexpr std::string_view Overlapping_Layout = R"(
object Test_Form Form
  bounds 100 100 300 200
  on_mouse_down Down
  object Lower Label
    bounds 10 10 100 50
    fixed_size
    caption 'lower'
    on_mouse_down Down
    on_click Clicked
  end
  object Upper Label
    bounds 60 30 100 50
    fixed_size
    caption 'upper'
    on_mouse_down Down
    on_click Clicked
    on_dbl_click Double
    on_mouse_move Move
  end
  object Hidden Label
    bounds 0 0 300 200
    fixed_size
    visible no
    on_mouse_down Down
  end
end
)";

TEST_F(Form_Layer, The_Topmost_Windowless_Control_Under_The_Mouse_Takes_The_Press) {
    auto& form = Make(Overlapping_Layout);
    HWND window = form.Handle();
    struct Case {
        POINT at;
        const char* expected;
    };
    const Case cases[] = {
        {{20, 20}, "down Lower 10,10"},          // only the lower one there
        {{70, 40}, "down Upper 10,10"},          // both: the upper one wins
        {{200, 150}, "down Test_Form 200,150"},  // neither (the hidden one does not count)
    };
    for (const Case& c : cases) {
        form.events.clear();
        Mouse(window, WM_RBUTTONDOWN, c.at.x, c.at.y);
        Mouse(window, WM_RBUTTONUP, c.at.x, c.at.y);
        ASSERT_FALSE(form.events.empty());
        EXPECT_EQ(form.events.front(), std::string(c.expected) + " right");
    }
    // Brought to the front, the lower one wins where they overlap.
    form.Find<ui::Label>("Lower").Bring_To_Front();
    form.events.clear();
    Mouse(window, WM_RBUTTONDOWN, 70, 40);
    EXPECT_EQ(form.events.front(), "down Lower 60,30 right");
}

TEST_F(Form_Layer, A_Click_Needs_Press_And_Release_On_The_Same_Control) {
    auto& form = Make(Overlapping_Layout);
    HWND window = form.Handle();
    Mouse(window, WM_LBUTTONDOWN, 100, 50, MK_LBUTTON);
    Mouse(window, WM_MOUSEMOVE, 110, 55, MK_LBUTTON);
    Mouse(window, WM_LBUTTONUP, 110, 55);
    Mouse(window, WM_LBUTTONDOWN, 100, 50, MK_LBUTTON);
    Mouse(window, WM_LBUTTONUP, 250, 150);  // released outside: no click
    Mouse(window, WM_LBUTTONDBLCLK, 100, 50, MK_LBUTTON);
    Mouse(window, WM_LBUTTONUP, 100, 50);
    const std::vector<std::string> expected = {"down Upper 40,20", "move Upper",
                                               "click Upper",      "down Upper 40,20",
                                               "down Upper 40,20", "double Upper"};
    EXPECT_EQ(form.events, expected);
}

TEST_F(Form_Layer, Transparent_Pictures_Leave_Out_Their_Key_Colour) {
    // A 4 x 2 picture: bottom-left white, one pure green pixel, the rest red.
    const COLORREF red = RGB(200, 0, 0), white = RGB(255, 255, 255), lime = RGB(0, 255, 0);
    ui::Window_Dc screen(nullptr);
    ui::Memory_Dc dc(CreateCompatibleDC(screen.get()));
    ui::Gdi_Bitmap picture(CreateCompatibleBitmap(screen.get(), 4, 2));
    {
        ui::Selected_Object selected(dc.get(), picture.get());
        for (int x = 0; x < 4; ++x) {
            SetPixel(dc.get(), x, 0, red);
            SetPixel(dc.get(), x, 1, red);
        }
        SetPixel(dc.get(), 0, 1, white);
        SetPixel(dc.get(), 2, 0, lime);
    }
    struct Case {
        const char* key;  // the layout's transparent_colour, or none
        COLORREF at_0_1;  // the pixel where white is
        COLORREF at_2_0;  // the pixel where green is
    };
    const COLORREF background = RGB(1, 2, 3);
    const Case cases[] = {
        {nullptr, background, lime},  // the bottom-left pixel's colour is left out
        {"lime", white, background},  // a fixed key colour
    };
    for (const Case& c : cases) {
        std::string layout =
            "object Test_Form Form\n  bounds 0 0 50 50\n"
            "  object Picture Image\n    bounds 0 0 4 2\n    transparent\n";
        if (c.key)
            layout += std::string("    transparent_colour ") + c.key + "\n";
        layout += "  end\nend\n";
        auto& form = Make(layout);
        auto& image = form.Find<ui::Image>("Picture");
        image.Set_Picture(picture.get());

        ui::Gdi_Bitmap target(CreateCompatibleBitmap(screen.get(), 4, 2));
        ui::Selected_Object selected(dc.get(), target.get());
        const RECT all{0, 0, 4, 2};
        ui::Fill(dc.get(), all, ui::Colour::Rgb(1, 2, 3));
        image.Paint(dc.get());
        EXPECT_EQ(GetPixel(dc.get(), 0, 1), c.at_0_1) << (c.key ? c.key : "bottom-left");
        EXPECT_EQ(GetPixel(dc.get(), 2, 0), c.at_2_0) << (c.key ? c.key : "bottom-left");
        EXPECT_EQ(GetPixel(dc.get(), 3, 0), red);
        ui::The_Application().Destroy_Forms();
    }
}

constexpr std::string_view Controls_Layout = R"(
object Test_Form Form
  bounds 100 100 400 300
  object Group Gradient_Group_Box
    bounds 10 10 200 200
    caption ' Group'
    client_gradient white silver horizontal
    on_enter Entered
    object First Check_Box
      bounds 10 30 100 20
      caption 'First'
      on_enter Entered
      on_click Clicked
      on_key_down Key
    end
    object Second Check_Box
      bounds 10 60 100 20
      caption 'Second'
      checked
      on_enter Entered
    end
    object Bar Track_Bar
      bounds 120 20 30 150
      orientation vertical
      min 0
      max 10
      position 5
      on_change Changed
      on_enter Entered
    end
  end
  object Go Push_Button
    bounds 250 20 90 25
    caption '&Go'
    hint ' Goes '
    show_hint
    on_click Clicked
    on_key_down Key
  end
  object Stop Push_Button
    bounds 250 60 90 25
    caption 'S&top'
    cancel
    on_click Clicked
  end
  object Tip Label
    bounds 250 100 50 13
    caption 'tip'
    hint 'a windowless hint'
    show_hint
  end
  object Clock Timer
    interval 10
    enabled no
    on_timer Ticked
  end
end
)";

TEST_F(Form_Layer, Windows_Carry_Their_Names_And_Captions) {
    auto& form = Make(Controls_Layout);
    for (const char* name : {"Group", "First", "Second", "Bar", "Go", "Stop"}) {
        const auto& control = form.Find<ui::Win_Control>(name);
        EXPECT_EQ(ui::Component_Name_Of(control.Handle()), name);
        EXPECT_EQ(Text_Of(control.Handle()), control.Caption());
    }
    form.Find<ui::Push_Button>("Go").Set_Caption("&Go on");
    EXPECT_EQ(Text_Of(form.Find<ui::Push_Button>("Go").Handle()), "&Go on");
}

TEST_F(Form_Layer, Notifications_Reach_The_Control_That_Sent_Them) {
    auto& form = Make(Controls_Layout);
    auto& first = form.Find<ui::Check_Box>("First");
    SendMessageW(first.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(first.Checked());
    auto& bar = form.Find<ui::Track_Bar>("Bar");
    bar.Set_Focus();
    Pump();
    form.events.clear();
    SendMessageW(bar.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(bar.Handle(), WM_KEYUP, VK_DOWN, 0);
    EXPECT_EQ(bar.Position(), 6);
    // A program step that changes the position raises the change too; one that does not, not.
    bar.Set_Position(6);
    bar.Set_Position(99);
    EXPECT_EQ(bar.Position(), 10);
    const std::vector<std::string> expected = {"change Bar", "change Bar"};
    EXPECT_EQ(form.events, expected);
}

TEST_F(Form_Layer, A_Check_Box_Changed_By_The_Program_Raises_Its_Click) {
    auto& form = Make(Controls_Layout);
    auto& first = form.Find<ui::Check_Box>("First");
    first.Set_Checked(false);  // no change
    first.Set_Checked(true);
    EXPECT_EQ(SendMessageW(first.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(form.events, std::vector<std::string>{"click First"});
}

TEST_F(Form_Layer, Focus_Entering_A_Group_Raises_The_Enter_Events_From_The_Outside_In) {
    auto& form = Make(Controls_Layout);
    form.Find<ui::Push_Button>("Go").Set_Focus();
    Pump();
    form.events.clear();
    form.Find<ui::Check_Box>("First").Set_Focus();
    form.Find<ui::Check_Box>("Second").Set_Focus();  // the group holds the focus already
    form.Find<ui::Push_Button>("Go").Set_Focus();
    form.Find<ui::Track_Bar>("Bar").Set_Focus();
    const std::vector<std::string> expected = {"enter Group", "enter First", "enter Second",
                                               "enter Group", "enter Bar"};
    EXPECT_EQ(form.events, expected);
    EXPECT_TRUE(form.Find<ui::Gradient_Group_Box>("Group").Active());
}

TEST_F(Form_Layer, Keys_Reach_The_Control_First_Then_The_Form) {
    auto& form = Make(Controls_Layout);
    auto& first = form.Find<ui::Check_Box>("First");
    first.Set_Focus();
    Pump();
    form.events.clear();
    Press_Key(first.Handle(), VK_F2);  // the handler uses the key up
    Press_Key(first.Handle(), VK_TAB);
    EXPECT_EQ(ui::Win_Control::From_Window(GetFocus())->Name(), "Second");
    Press_Key(GetFocus(), VK_ESCAPE);                          // the button with the cancel role
    PostMessageW(GetFocus(), WM_SYSCHAR, 'g', 1 | (1 << 29));  // Alt+G
    Pump();
    const std::vector<std::string> expected = {"key First " + std::to_string(VK_F2),
                                               "key First " + std::to_string(VK_TAB),
                                               "enter Second", "click Stop", "click Go"};
    EXPECT_EQ(form.events, expected);
}

TEST_F(Form_Layer, Hints_Are_Tools_Of_The_Hint_Window) {
    auto& form = Make(Controls_Layout);
    HWND tooltip = nullptr;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && std::wstring(name) == TOOLTIPS_CLASSW &&
            GetWindow(window, GW_OWNER) == form.Handle()) {
            tooltip = window;
        }
    }
    ASSERT_TRUE(tooltip);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
    auto& tip = form.Find<ui::Label>("Tip");
    tip.Set_Show_Hint(false);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    tip.Set_Show_Hint(true);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
}

TEST_F(Form_Layer, Timers_Tick_While_Enabled) {
    auto& form = Make(Controls_Layout);
    auto& clock = form.Find<ui::Timer>("Clock");
    Pump(100ms);
    EXPECT_TRUE(form.events.empty());
    clock.Set_Enabled(true);
    Pump(150ms);
    EXPECT_GE(form.events.size(), 2u);
    clock.Set_Enabled(false);
    Pump(20ms);
    form.events.clear();
    Pump(100ms);
    EXPECT_TRUE(form.events.empty());
}

TEST_F(Form_Layer, An_Error_In_A_Handler_Is_Shown_With_A_Full_Stop) {
    auto& form = Make(R"(
object Test_Form Form
  bounds 0 0 100 100
  object Broken Push_Button
    bounds 0 0 50 20
    on_click Fails
  end
end
)");
    SendMessageW(form.Find<ui::Push_Button>("Broken").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(errors_.Messages(), std::vector<std::string>{"The handler failed."});
}

TEST_F(Form_Layer, A_Released_Form_Goes_After_Its_Event) {
    auto& form = Make(R"(
object Test_Form Form
  bounds 0 0 100 100
  object Quit Push_Button
    bounds 0 0 50 20
    on_click Releases
  end
end
)");
    HWND window = form.Handle();
    Recording_Form::standing_after_release = false;
    PostMessageW(form.Find<ui::Push_Button>("Quit").Handle(), BM_CLICK, 0, 0);
    bool ended = false;
    ui::The_Application().Set_On_Idle([window, &ended](bool&) {
        if (!IsWindow(window)) {
            ended = true;
            ui::The_Application().Terminate();
        }
    });
    ui::The_Application().Run();
    EXPECT_TRUE(Recording_Form::standing_after_release);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(IsWindow(window));
}

int Ticks = 0;

void CALLBACK Count_Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (++Ticks == 3)
        ui::The_Application().Terminate();
}

TEST_F(Form_Layer, The_Idle_Event_Stops_Being_Raised_Once_Done) {
    Make("object Test_Form Form\n  bounds 0 0 10 10\nend\n");
    int calls = 0;
    ui::The_Application().Set_On_Idle([&calls](bool& done) {
        ++calls;
        done = calls >= 20;
    });
    // Each tick is a message after which the loop is idle again; the third ends the loop.
    Ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &Count_Tick);
    ui::The_Application().Run();
    KillTimer(nullptr, timer);
    // Twenty calls while it asked for more, then about one per message: no spinning.
    EXPECT_GE(calls, 20);
    EXPECT_LT(calls, 60);
}

TEST_F(Form_Layer, Layout_Mistakes_Are_Reported_With_Their_Line) {
    struct Case {
        const char* layout;
        const char* expected;
    };
    const Case cases[] = {
        {"object Test_Form Form\n  object X Gadget\n  end\nend\n", "line 2"},
        {"object Test_Form Form\n  object X Label\n    colr red\n  end\nend\n", "colr"},
        {"object Test_Form Form\n  object X Label\n    on_click Nobody\n  end\nend\n", "Nobody"},
        {"object Test_Form Form\n  object X Label\n    on_click Down\n  end\nend\n", "Down"},
        {"object Test_Form Form\n  object X Label\n    object Y Label\n    end\n  end\nend\n",
         "X cannot hold"},
    };
    for (const Case& c : cases) {
        try {
            Recording_Form form(c.layout);
            ADD_FAILURE() << "no error for " << c.layout;
        } catch (const ui::Error& error) {
            EXPECT_EQ(error.kind(), ui::Layout_Error_Kind);
            EXPECT_NE(std::string(error.what()).find(c.expected), std::string::npos)
                << error.what();
        }
    }
}

TEST_F(Form_Layer, Erasing_Paints_Nothing) {
    auto& form = Make(Controls_Layout);
    ui::Window_Dc screen(nullptr);
    ui::Memory_Dc dc(CreateCompatibleDC(screen.get()));
    ui::Gdi_Bitmap target(CreateCompatibleBitmap(screen.get(), 8, 8));
    ui::Selected_Object selected(dc.get(), target.get());
    ui::Fill(dc.get(), {0, 0, 8, 8}, ui::Colour::Rgb(9, 8, 7));
    for (HWND window : {form.Handle(), form.Find<ui::Win_Control>("Group").Handle()}) {
        EXPECT_NE(SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 0);
        EXPECT_EQ(GetPixel(dc.get(), 3, 3), RGB(9, 8, 7));
    }
}

TEST_F(Form_Layer, Repainting_Leaves_No_Objects_Behind) {
    auto& form = Make(Controls_Layout);
    auto repaint_often = [&form] {
        for (int i = 0; i < 100; ++i) {
            form.Invalidate();
            form.Find<ui::Check_Box>("First").Set_Checked(i % 2 == 0);
            form.Find<ui::Track_Bar>("Bar").Set_Position(i % 10);
            form.Repaint();
            ui::The_Application().Process_Messages();
        }
    };
    repaint_often();  // caches (fonts, buffers) are made on the first rounds
    Object_Counts before{};
    const bool counted = Read_Object_Counts(before);
    const unsigned high_water = Gdi_Slot_High_Water();
    repaint_often();
    if (counted) {
        Object_Counts after{};
        Read_Object_Counts(after);
        EXPECT_EQ(after.gdi, before.gdi);
        EXPECT_EQ(after.user, before.user);
    }
    // One object kept per repaint would take 100 slots more.
    EXPECT_LT(Gdi_Slot_High_Water(), high_water + 32);
}

}  // namespace
