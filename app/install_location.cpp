#include "app/install_location.h"

#include <vector>

#include "app/links.h"
#include "app/startup_texts.h"
#include "app/startup_values.h"
#include "ui/handles.h"

namespace {

// Reads a string value whole, whatever its length. Returns false when the value is missing,
// of another type, or cannot be read.
bool Read_String_Value(HKEY key, const char* name, std::string& text) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return false;
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return false;
        // One spare byte so that the text is terminated even when the stored one is not.
        std::vector<char> buffer(size + 1, '\0');
        DWORD read = size;
        LONG status = RegQueryValueExA(key, name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &read);
        if (status == ERROR_MORE_DATA)
            continue;  // the value grew in between: ask again
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return false;
        text.assign(buffer.data());  // up to the first terminator
        return true;
    }
    return false;
}

}  // namespace

std::string Read_Install_Path() {
    // The key path is written from the root; the API takes it without the leading backslash.
    std::string_view path = Install_Key_Path;
    if (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);

    ui::Registry_Key key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, std::string(path).c_str(), 0, KEY_READ, key.put()) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::string value;
    if (!Read_String_Value(key.get(), std::string(Install_Value_Name).c_str(), value))
        return {};
    return Install_Path_From_Value(value);
}

void Set_Install_Dirs() {
    Install_Dir = Install_Dir_From(Read_Install_Path());
    Info_Dir = Info_Dir_For(Install_Dir);
}

void Make_Links() {
    Product_Page_URL = Product_Page_For(Site_URL, Application_Title);
    Support_URL = Support_Page_For(Site_URL);
}
