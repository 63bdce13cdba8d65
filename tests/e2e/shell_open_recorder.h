#pragma once
// Makes the open recorder the shell's handler for http and https addresses and for .html files,
// and reads back what it was asked to open. The registrations go to the classes root itself:
// Wine reads no per-user classes there. Everything is put back as it was afterwards.

#include <windows.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "ui/handles.h"

class Shell_Open_Recorder {
  public:
    struct Opening {
        std::string target;
        int show_command;  // -1 when none was given
        friend bool operator==(const Opening&, const Opening&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Opening& opening) {
            return out << opening.target << " (show " << opening.show_command << ")";
        }
    };

    Shell_Open_Recorder(const std::string& recorder_exe, std::string log_path)
        : log_path_(std::move(log_path)) {
        DeleteFileA(log_path_.c_str());
        const std::string command = "\"" + recorder_exe + "\" \"" + log_path_ + "\" \"%1\"";
        for (const char* protocol : {"http", "https"}) {
            const std::string key = Own_Key(protocol);
            Set_Value(key, "URL Protocol", "");
            Set_Value(key + "\\shell\\open\\command", nullptr, command);
        }
        Set_Value(Own_Key(".html"), nullptr, Prog_Id);
        Set_Value(Own_Key(Prog_Id) + "\\shell\\open\\command", nullptr, command);
    }

    ~Shell_Open_Recorder() {
        for (auto old = replaced_.rbegin(); old != replaced_.rend(); ++old)
            Write_Value(old->key, old->name.empty() ? nullptr : old->name.c_str(), old->value);
        for (auto key = made_.rbegin(); key != made_.rend(); ++key)
            RegDeleteTreeA(HKEY_CLASSES_ROOT, key->c_str());
        DeleteFileA(log_path_.c_str());
    }

    Shell_Open_Recorder(const Shell_Open_Recorder&) = delete;
    Shell_Open_Recorder& operator=(const Shell_Open_Recorder&) = delete;

    // What was opened so far, in the order the recorder wrote it; waits until there are at
    // least `count` entries or the time is up.
    std::vector<Opening> Opened(std::size_t count = 0,
                                std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            std::vector<Opening> entries = Read_Log();
            if (entries.size() >= count || std::chrono::steady_clock::now() >= end)
                return entries;
            Wait_A_Little();
        }
    }

    // Hook for in-process tests, whose own window messages must go on while they wait.
    void (*Wait_A_Little)() = [] { Sleep(100); };

  private:
    static constexpr const char* Prog_Id = "Quelvar.Test.OpenRecorder";

    struct Old_Value {
        std::string key;
        std::string name;
        std::string value;
    };

    // The key, noted for removal when it is new.
    std::string Own_Key(const std::string& key) {
        ui::Registry_Key existing;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, existing.put()) !=
            ERROR_SUCCESS)
            made_.push_back(key);
        return key;
    }

    // Sets a text value, noting the one it replaces in a key that stays.
    void Set_Value(const std::string& key, const char* name, const std::string& value) {
        ui::Registry_Key opened;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, opened.put()) ==
            ERROR_SUCCESS) {
            char old[1024] = {};
            DWORD size = sizeof old - 1;
            DWORD type = 0;
            if (RegQueryValueExA(opened.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(old),
                                 &size) == ERROR_SUCCESS &&
                type == REG_SZ)
                replaced_.push_back({key, name ? name : "", old});
        }
        Write_Value(key, name, value);
    }

    static void Write_Value(const std::string& key, const char* name, const std::string& value) {
        ui::Registry_Key opened;
        RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        opened.put(), nullptr);
        RegSetValueExA(opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }

    std::vector<Opening> Read_Log() const {
        std::vector<Opening> entries;
        ui::Kernel_Handle file(CreateFileA(log_path_.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return entries;
        std::string text;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
            text.append(buffer, read);
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            const std::string line = text.substr(start, end - start);
            const std::size_t bar = line.rfind('|');
            if (bar != std::string::npos)
                entries.push_back({line.substr(0, bar), std::atoi(line.c_str() + bar + 1)});
        }
        return entries;
    }

    std::string log_path_;
    std::vector<std::string> made_;
    std::vector<Old_Value> replaced_;
};
