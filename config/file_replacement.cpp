#include "config/file_replacement.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "config/profile_file.h"
#include "config/settings_rules.h"
#include "ui/handles.h"

namespace {

// Beside the target, so that the final move stays within one volume and is a rename; the
// process id keeps two dialogs saving at once apart.
std::string Temporary_Path_For(const std::string& target) {
    return target + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
}

// A read-only settings file is the user's word that it stays as it is. The profile writer
// refuses it, and so does Windows' move, but not every system's.
bool Is_Read_Only(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool Write_All(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, text.data(), chunk, &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

Replacement_File::Replacement_File(std::string target)
    : target_(std::move(target)), temporary_(Temporary_Path_For(target_)) {}

Replacement_File::Replacement_File(Replacement_File&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)),
      pending_(std::exchange(other.pending_, false)) {}

Replacement_File::~Replacement_File() {
    if (!pending_)
        return;
    DeleteFileA(temporary_.c_str());
}

void Replacement_File::Write_Text(std::string_view text) {
    if (Is_Read_Only(target_))
        Raise_Settings_Write_Error(target_);
    ui::Kernel_Handle file(CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        Raise_Settings_Write_Error(target_);
    pending_ = true;
    // On disk before it replaces anything: a crash after the move must not leave it empty.
    if (!Write_All(file.get(), text) || !FlushFileBuffers(file.get()))
        Raise_Settings_Write_Error(target_);
}

void Replacement_File::Copy_From_Target() {
    if (Is_Read_Only(target_))
        Raise_Settings_Write_Error(target_);
    // Whatever the system still caches of the target belongs in the copy.
    Flush_Profile_Cache(target_);
    pending_ = true;
    if (!CopyFileA(target_.c_str(), temporary_.c_str(), FALSE))
        Raise_Settings_Write_Error(target_);
    // The copy is ours to change and to delete, whatever the target's other attributes.
    SetFileAttributesA(temporary_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void Replacement_File::Replace_Target() {
    // A cached copy of the old file must neither be written back over the new one nor be read
    // in its place.
    Flush_Profile_Cache(target_);
    if (Is_Read_Only(target_) || !MoveFileExA(temporary_.c_str(), target_.c_str(),
                                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Raise_Settings_Write_Error(target_);
    pending_ = false;
}
