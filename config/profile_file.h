#pragma once
// A settings file opened through the Windows profile functions for the length of one step.
// Closing it flushes the system's cached copy, so that the next step sees what is on disk.

#include <string>
#include <string_view>

class Profile_File {
  public:
    explicit Profile_File(std::string path) : path_(std::move(path)) {}
    ~Profile_File();
    Profile_File(const Profile_File&) = delete;
    Profile_File& operator=(const Profile_File&) = delete;

    // The value's whole text, however long; empty when the file, section or key is missing.
    std::string Read_Text(std::string_view section, std::string_view key) const;

    // Deletes the section with all its keys; false when the profile writer reports a failure.
    bool Erase_Section(std::string_view section) const;

  private:
    std::string path_;
};

// Writes out and forgets whatever the system caches of the file.
void Flush_Profile_Cache(const std::string& path);
