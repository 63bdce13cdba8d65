#pragma once
// Sets the installer's registry value for one test and puts back what was there before.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/handles.h"

class Install_Key_Fixture {
  public:
    static constexpr const char* Key_Path = "SOFTWARE\\Tarnwick\\Quelvar";

    Install_Key_Fixture() {
        ui::Registry_Key key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Key_Path, 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
            key_existed_ = true;
            DWORD type = 0;
            DWORD size = 0;
            if (RegQueryValueExA(key.get(), "Path", nullptr, &type, nullptr, &size) ==
                ERROR_SUCCESS) {
                std::vector<BYTE> data(size);
                RegQueryValueExA(key.get(), "Path", nullptr, &type, data.data(), &size);
                saved_ = Saved{type, std::move(data)};
            }
        }
    }

    ~Install_Key_Fixture() {
        if (!key_existed_) {
            RegDeleteKeyA(HKEY_CURRENT_USER, Key_Path);
            return;
        }
        if (saved_) {
            Set_Raw(saved_->type, saved_->data.data(), static_cast<DWORD>(saved_->data.size()));
        } else {
            Delete_Value();
        }
    }

    void Set_Raw(DWORD type, const void* data, DWORD size) {
        ui::Registry_Key key;
        RegCreateKeyExA(HKEY_CURRENT_USER, Key_Path, 0, nullptr, 0, KEY_WRITE, nullptr, key.put(),
                        nullptr);
        RegSetValueExA(key.get(), "Path", 0, type, static_cast<const BYTE*>(data), size);
    }

    void Set_Text(const std::string& text, DWORD type = REG_SZ) {
        Set_Raw(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

    void Delete_Value() {
        ui::Registry_Key key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Key_Path, 0, KEY_WRITE, key.put()) == ERROR_SUCCESS) {
            RegDeleteValueA(key.get(), "Path");
        }
    }

    static void Delete_Key() { RegDeleteKeyA(HKEY_CURRENT_USER, Key_Path); }

  private:
    struct Saved {
        DWORD type;
        std::vector<BYTE> data;
    };
    bool key_existed_ = false;
    std::optional<Saved> saved_;
};
