#include "app/password.h"

#include "app/command_line.h"
#include "app/startup_texts.h"
#include "ui/handles.h"
#include "ui/integer_text.h"

namespace {

using Pwd_Change_Password_Fn = DWORD(WINAPI*)(LPCSTR provider, HWND owner, DWORD, DWORD);

// The library from the system directory only: a bare name would search the saver's own folder
// first and run whatever was planted there.
ui::Module Load_System_Library(std::string_view name) {
    char dir[MAX_PATH + 1];
    UINT length = GetSystemDirectoryA(dir, sizeof dir);
    if (length == 0 || length >= sizeof dir)
        return {};
    std::string path(dir, length);
    if (path.back() != '\\')
        path += '\\';
    path += name;
    HMODULE module = LoadLibraryA(path.c_str());
    // Old systems report failure as a small number rather than null.
    if (reinterpret_cast<UINT_PTR>(module) <= 32)
        return {};
    return ui::Module(module);
}

}  // namespace

void Change_Password(const std::vector<std::string>& arguments) {
    ui::Module library = Load_System_Library(Password_Library);
    if (!library)
        return;
    auto change = ui::Proc_Address<Pwd_Change_Password_Fn>(library.get(),
                                                           std::string(Password_Function).c_str());
    if (!change)
        return;
    // Unlike at start-up, an absent window number is converted too, and fails.
    HWND owner = ui::Window_From_Number(ui::Str_To_Int(Argument(arguments, 2)));
    change(std::string(Password_Provider).c_str(), owner, 0, 0);
}
