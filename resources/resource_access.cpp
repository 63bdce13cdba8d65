#include "resources/resource_access.h"

#include <vector>

#include "resources/resource_names.h"
#include "ui/errors.h"

namespace {

[[noreturn]] void Raise_Not_Found(std::string_view name) {
    ui::Raise(ui::Resource_Error_Kind, "Resource " + std::string(name) + " not found");
}

std::span<const std::uint8_t> Bytes_Of(HRSRC found, std::string_view name) {
    if (!found)
        Raise_Not_Found(name);
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        Raise_Not_Found(name);
    return {static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, found)};
}

}  // namespace

std::span<const std::uint8_t> Resource_Bytes(std::string_view type, std::string_view name) {
    const std::string type_text(type);
    const std::string name_text(name);
    return Bytes_Of(FindResourceA(nullptr, name_text.c_str(), type_text.c_str()), name);
}

std::span<const std::uint8_t> Resource_Bytes(LPCSTR standard_type, std::string_view name) {
    const std::string name_text(name);
    return Bytes_Of(FindResourceA(nullptr, name_text.c_str(), standard_type), name);
}

std::string Load_Resource_String(unsigned id) {
    std::vector<char> buffer(256);
    for (;;) {
        const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(),
                                       static_cast<int>(buffer.size()));
        if (length <= 0)
            return {};
        // A string that filled the buffer may have been cut: try again with more room.
        if (static_cast<std::size_t>(length) < buffer.size() - 1)
            return {buffer.data(), buffer.data() + length};
        buffer.resize(buffer.size() * 2);
    }
}

ui::Gdi_Bitmap Load_Bitmap_Resource(std::string_view name) {
    const std::string name_text(name);
    HANDLE image = LoadImageA(GetModuleHandleA(nullptr), name_text.c_str(), IMAGE_BITMAP, 0, 0,
                              LR_CREATEDIBSECTION);
    if (!image)
        Raise_Not_Found(name);
    return ui::Gdi_Bitmap(static_cast<HBITMAP>(image));
}

Rgb_Image Load_Jpeg_Resource(std::string_view name) {
    return Decode_Jpeg(Resource_Bytes(Jpeg_Resource_Type, name));
}

Outline Read_Outline(std::string_view x_name, std::string_view y_name) {
    auto text_of = [](std::string_view name) {
        std::span<const std::uint8_t> bytes = Resource_Bytes(Points_Resource_Type, name);
        return std::string(bytes.begin(), bytes.end());
    };
    return Make_Outline(Parse_Points_List(text_of(x_name)), Parse_Points_List(text_of(y_name)),
                        x_name, y_name);
}
