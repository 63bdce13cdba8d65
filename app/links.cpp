#include "app/links.h"

#include "app/startup_texts.h"

std::string Page_Slug(std::string_view text) {
    std::string slug(text);
    for (char& c : slug) {
        if (c == ' ') {
            c = '-';
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return slug;
}

std::string Product_Page_For(std::string_view site_url, std::string_view title) {
    std::string url(site_url);
    url += Page_Slug(title);
    url += Product_Page_Extension;
    return url;
}

std::string Support_Page_For(std::string_view site_url) {
    std::string url(site_url);
    url += Support_Page_Name;
    return url;
}

std::string Install_Path_From_Value(std::string_view value) {
    std::string path(value);
    path += '\\';
    return path;
}

std::string Install_Dir_From(std::string_view registry_path) {
    return std::string(registry_path.empty() ? Fallback_Install_Dir : registry_path);
}

std::string Info_Dir_For(std::string_view install_dir) {
    std::string dir(install_dir);
    dir += Info_Folder;
    return dir;
}
