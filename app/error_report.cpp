#include "app/error_report.h"

#include <windows.h>

#include <string>

#include "app/startup_texts.h"
#include "ui/errors.h"

namespace {

struct Code_Location {
    std::string module_name;
    unsigned long offset = 0;
};

Code_Location Locate(const void* address) {
    Code_Location location;
    HMODULE module = nullptr;
    if (!address || !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                            GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                        static_cast<LPCSTR>(address), &module)) {
        module = GetModuleHandleA(nullptr);
    }
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    std::string full(path, length < MAX_PATH ? length : MAX_PATH);
    std::size_t slash = full.find_last_of("\\/");
    location.module_name = slash == std::string::npos ? full : full.substr(slash + 1);
    if (address) {
        location.offset = static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(address) -
                                                     reinterpret_cast<UINT_PTR>(module));
    }
    return location;
}

}  // namespace

void Show_Error_Report(const std::exception& error) {
    const auto* raised = dynamic_cast<const ui::Error*>(&error);
    Code_Location where = Locate(raised ? raised->address() : nullptr);
    std::string text = ui::Format_Error_Report(raised ? raised->kind() : "Exception",
                                               where.module_name, where.offset, error.what());
    MessageBoxA(nullptr, text.c_str(), std::string(Error_Report_Title).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
}
