#pragma once
// A file's new content, made complete in a temporary file beside it and then put in its place
// in one step: the engine and the next run see the old file whole or the new one whole, never
// a file half written, and a failure on the way leaves the old file as it was.

#include <string>
#include <string_view>

class Replacement_File {
  public:
    explicit Replacement_File(std::string target);
    // Deletes the temporary file unless it has taken the target's place.
    ~Replacement_File();
    Replacement_File(const Replacement_File&) = delete;
    Replacement_File& operator=(const Replacement_File&) = delete;
    Replacement_File(Replacement_File&& other) noexcept;
    Replacement_File& operator=(Replacement_File&&) = delete;

    // These raise the settings write error naming the target, the file the user knows.
    void Write_Text(std::string_view text);
    void Copy_From_Target();
    void Replace_Target();

    const std::string& Target() const { return target_; }
    const std::string& Temporary() const { return temporary_; }

  private:
    std::string target_;
    std::string temporary_;
    bool pending_ = false;  // a temporary file exists that is ours to delete
};
