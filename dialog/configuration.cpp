#include "dialog/configuration.h"

#include <string>

#include "app/startup_texts.h"
#include "dialog/adjustment_form.h"
#include "ui/application.h"

void Run_Configuration() {
    ui::Application& application = ui::The_Application();
    application.Initialize();
    application.Set_Title(std::string(Application_Title));
    application.Create_Form<TAdjustment_Form>();
    application.Run();
}
