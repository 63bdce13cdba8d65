#include "config/profile_file.h"

#include <windows.h>

#include <vector>

Profile_File::~Profile_File() {
    Flush_Profile_Cache(path_);
}

std::string Profile_File::Read_Text(std::string_view section, std::string_view key) const {
    const std::string section_text(section);
    const std::string key_text(key);
    std::vector<char> buffer(64);
    for (;;) {
        const DWORD length =
            GetPrivateProfileStringA(section_text.c_str(), key_text.c_str(), "", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path_.c_str());
        // A value that filled the buffer may have been cut, and a cut number could still
        // parse: read again with more room.
        if (length < buffer.size() - 1)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

bool Profile_File::Erase_Section(std::string_view section) const {
    const std::string section_text(section);
    return WritePrivateProfileStringA(section_text.c_str(), nullptr, nullptr, path_.c_str()) !=
           FALSE;
}

void Flush_Profile_Cache(const std::string& path) {
    // Always reports failure, by its documentation; there is nothing to check.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}
