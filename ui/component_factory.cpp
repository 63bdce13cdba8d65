#include "ui/component_factory.h"

#include <array>
#include <utility>

#include "ui/bevels.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/date_picker.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/labels.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/progress_bars.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace ui {

namespace {

template <typename Kind_Class>
std::unique_ptr<Component> Make(Form& form, std::string name) {
    return std::make_unique<Kind_Class>(form, std::move(name));
}

using Maker = std::unique_ptr<Component> (*)(Form&, std::string);

constexpr std::array<std::pair<std::string_view, Maker>, 18> Makers = {{
    {"Label", &Make<Label>},
    {"Gradient_Label", &Make<Gradient_Label>},
    {"Image", &Make<Image>},
    {"Bevel", &Make<Bevel>},
    {"Gradient_Bevel", &Make<Gradient_Bevel>},
    {"Panel", &Make<Panel>},
    {"Group_Box", &Make<Group_Box>},
    {"Gradient_Group_Box", &Make<Gradient_Group_Box>},
    {"Push_Button", &Make<Push_Button>},
    {"Check_Box", &Make<Check_Box>},
    {"Track_Bar", &Make<Track_Bar>},
    {"Page_Control", &Make<Page_Control>},
    {"Tab_Sheet", &Make<Tab_Sheet>},
    {"Date_Picker", &Make<Date_Picker>},
    {"List_Box", &Make<List_Box>},
    {"Gradient_Progress_Bar", &Make<Gradient_Progress_Bar>},
    {"Marquee_Progress_Bar", &Make<Marquee_Progress_Bar>},
    {"Timer", &Make<Timer>},
}};

}  // namespace

std::unique_ptr<Component> Make_Component(std::string_view kind, Form& form, std::string name) {
    for (const auto& [known, maker] : Makers) {
        if (known == kind)
            return maker(form, std::move(name));
    }
    return nullptr;
}

}  // namespace ui
