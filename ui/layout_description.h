#pragma once
// The text that describes a form: one block per component, nested as the components are, read
// into a flat table in the order of the text (which is the order of creation, of painting and of
// Tab). The form reads the table when it is created.
//
//   style page_group               shared lines, pulled into an object by "use page_group"
//     font 'Verdana' 8 blue
//   end
//   object Cancel_BitBtn Push_Button
//     bounds 564 490 95 25         left, top, width, height in the parent's client area
//     caption '&Cancel'            texts in single quotes ('' for a quote), #13 for a character
//     cancel                       a flag: the key alone means yes
//     on_click Cancel_BitBtnClick  events name the form's handler
//   end
//
// A text followed by "pad N" is lengthened with blanks to N characters. Lines starting with '#'
// are comments. When a key appears twice the later line counts, so an object's own lines
// override the style it uses.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/colour.h"
#include "ui/gradient.h"

namespace ui {

inline constexpr std::string_view Layout_Error_Kind = "ELayoutError";

struct Layout_Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Layout_Rect&, const Layout_Rect&) = default;
};

enum class Font_Weight { Normal, Bold, Heavy };

struct Font_Description {
    std::string face;
    int points = 8;
    Colour colour = colours::Black;
    Font_Weight weight = Font_Weight::Normal;
    bool italic = false;
    bool underline = false;
    int code_page = 1252;
    friend bool operator==(const Font_Description&, const Font_Description&) = default;
};

struct Layout_Token {
    enum class Type { Word, Number, Text };
    Type type = Type::Word;
    std::string text;  // the word or the text (UTF-8)
    std::int32_t number = 0;
};

struct Layout_Property {
    std::string key;
    std::vector<Layout_Token> values;
    int line = 0;
};

class Component_Description {
  public:
    std::string name;
    std::string kind;
    std::string parent;  // empty for the form itself
    int line = 0;
    std::vector<Layout_Property> properties;

    bool Has(std::string_view key) const;

    // Typed readers of one key; a value of the wrong shape raises a layout error that names the
    // component and the line.
    std::string Text(std::string_view key, std::string_view fallback = {}) const;
    std::int32_t Number(std::string_view key, std::int32_t fallback) const;
    std::vector<std::int32_t> Numbers(std::string_view key) const;
    std::string Word(std::string_view key, std::string_view fallback = {}) const;
    bool Flag(std::string_view key, bool fallback = false) const;  // "key", "key yes", "key no"
    std::optional<Colour> Colour_Of(std::string_view key) const;
    Layout_Rect Bounds() const;  // "bounds"; all zero when absent
    // "font 'Face' points colour [bold|heavy] [italic] [underline] [charset CODE_PAGE]"
    std::optional<Font_Description> Font(std::string_view key = "font") const;
    // "key FROM TO [horizontal|vertical|centre] [reversed]"
    std::optional<Gradient> Gradient_Of(std::string_view key) const;

    // Keys that no reader asked for: misspelt, or meant for another kind of component.
    std::vector<std::string> Unread_Keys() const;

    [[noreturn]] void Fail(const Layout_Property* where, const std::string& problem) const;

  private:
    const Layout_Property* Find(std::string_view key) const;
    mutable std::set<std::string, std::less<>> read_;
};

// The whole text into the component table; the first component is the form. Syntax errors raise
// a layout error naming the line.
std::vector<Component_Description> Parse_Layout(std::string_view text);

}  // namespace ui
