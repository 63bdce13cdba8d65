#include "ui/layout_description.h"

#include <cctype>
#include <map>

#include "ui/errors.h"
#include "ui/integer_text.h"

namespace ui {

namespace {

[[noreturn]] void Fail_At(int line, const std::string& problem) {
    Raise(Layout_Error_Kind, "Layout line " + std::to_string(line) + ": " + problem);
}

bool Is_Word_Char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
}

std::size_t Utf8_Length(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

// One text token: 'quoted' parts and #code characters, with no blank between them.
std::string Read_Text(std::string_view line, std::size_t& at, int line_number) {
    std::string text;
    while (at < line.size() && (line[at] == '\'' || line[at] == '#')) {
        if (line[at] == '#') {
            std::size_t end = at + 1;
            while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end])))
                ++end;
            const auto code = Try_Str_To_Int(line.substr(at + 1, end - at - 1));
            if (!code || *code < 1 || *code > 127)
                Fail_At(line_number, "a character code must be a number from 1 to 127");
            text += static_cast<char>(*code);
            at = end;
            continue;
        }
        ++at;
        for (;;) {
            if (at >= line.size())
                Fail_At(line_number, "a text is not closed");
            if (line[at] == '\'') {
                if (at + 1 < line.size() && line[at + 1] == '\'') {
                    text += '\'';
                    at += 2;
                    continue;
                }
                ++at;
                break;
            }
            text += line[at++];
        }
    }
    return text;
}

std::vector<Layout_Token> Tokenize(std::string_view line, int line_number) {
    std::vector<Layout_Token> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (c == ' ' || c == '\t') {
            ++at;
            continue;
        }
        Layout_Token token;
        if (c == '\'' || c == '#') {
            token.type = Layout_Token::Type::Text;
            token.text = Read_Text(line, at, line_number);
        } else if (Is_Word_Char(c)) {
            const std::size_t start = at;
            while (at < line.size() && Is_Word_Char(line[at]))
                ++at;
            token.text = std::string(line.substr(start, at - start));
            const char first = token.text[0];
            if (std::isdigit(static_cast<unsigned char>(first)) || first == '-') {
                const auto number = Try_Str_To_Int(token.text);
                if (!number || token.text.find_first_of("xX$") != std::string::npos)
                    Fail_At(line_number, "'" + token.text + "' is not a number");
                token.type = Layout_Token::Type::Number;
                token.number = *number;
            }
        } else {
            Fail_At(line_number, std::string("unexpected character '") + c + "'");
        }
        tokens.push_back(std::move(token));
    }
    // "TEXT pad N" lengthens the text with blanks to N characters.
    for (std::size_t i = 0; i + 2 < tokens.size(); ++i) {
        if (tokens[i].type != Layout_Token::Type::Text ||
            tokens[i + 1].type != Layout_Token::Type::Word || tokens[i + 1].text != "pad") {
            continue;
        }
        if (tokens[i + 2].type != Layout_Token::Type::Number)
            Fail_At(line_number, "pad needs a length");
        const std::size_t length = Utf8_Length(tokens[i].text);
        const auto wanted =
            static_cast<std::size_t>(tokens[i + 2].number < 0 ? 0 : tokens[i + 2].number);
        if (wanted < length)
            Fail_At(line_number, "the text is longer than its padded length");
        tokens[i].text.append(wanted - length, ' ');
        tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                     tokens.begin() + static_cast<std::ptrdiff_t>(i) + 3);
    }
    return tokens;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool Is_Word(const Layout_Token& token) {
    return token.type == Layout_Token::Type::Word;
}

}  // namespace

const Layout_Property* Component_Description::Find(std::string_view key) const {
    read_.emplace(key);
    for (auto it = properties.rbegin(); it != properties.rend(); ++it) {
        if (it->key == key)
            return &*it;
    }
    return nullptr;
}

bool Component_Description::Has(std::string_view key) const {
    return Find(key) != nullptr;
}

void Component_Description::Fail(const Layout_Property* where, const std::string& problem) const {
    Fail_At(where ? where->line : line, name + (where ? "." + where->key : "") + ": " + problem);
}

std::string Component_Description::Text(std::string_view key, std::string_view fallback) const {
    const Layout_Property* property = Find(key);
    if (!property)
        return std::string(fallback);
    if (property->values.size() != 1 || property->values[0].type != Layout_Token::Type::Text)
        Fail(property, "expects one text");
    return property->values[0].text;
}

std::int32_t Component_Description::Number(std::string_view key, std::int32_t fallback) const {
    const Layout_Property* property = Find(key);
    if (!property)
        return fallback;
    if (property->values.size() != 1 || property->values[0].type != Layout_Token::Type::Number)
        Fail(property, "expects one number");
    return property->values[0].number;
}

std::vector<std::int32_t> Component_Description::Numbers(std::string_view key) const {
    const Layout_Property* property = Find(key);
    std::vector<std::int32_t> numbers;
    if (!property)
        return numbers;
    for (const Layout_Token& token : property->values) {
        if (token.type != Layout_Token::Type::Number)
            Fail(property, "expects numbers only");
        numbers.push_back(token.number);
    }
    return numbers;
}

std::string Component_Description::Word(std::string_view key, std::string_view fallback) const {
    const Layout_Property* property = Find(key);
    if (!property)
        return std::string(fallback);
    if (property->values.size() != 1 || !Is_Word(property->values[0]))
        Fail(property, "expects one word");
    return property->values[0].text;
}

bool Component_Description::Flag(std::string_view key, bool fallback) const {
    const Layout_Property* property = Find(key);
    if (!property)
        return fallback;
    if (property->values.empty())
        return true;
    if (property->values.size() == 1 && Is_Word(property->values[0])) {
        if (property->values[0].text == "yes")
            return true;
        if (property->values[0].text == "no")
            return false;
    }
    Fail(property, "expects nothing, yes or no");
}

std::optional<Colour> Component_Description::Colour_Of(std::string_view key) const {
    const Layout_Property* property = Find(key);
    if (!property)
        return std::nullopt;
    if (property->values.size() != 1 || !Is_Word(property->values[0]))
        Fail(property, "expects one colour");
    const auto colour = Colour_From_Name(property->values[0].text);
    if (!colour)
        Fail(property, "'" + property->values[0].text + "' is not a colour");
    return colour;
}

Layout_Rect Component_Description::Bounds() const {
    const Layout_Property* property = Find("bounds");
    if (!property)
        return {};
    const std::vector<std::int32_t> numbers = Numbers("bounds");
    if (numbers.size() != 4 || numbers[2] < 0 || numbers[3] < 0)
        Fail(property, "expects left, top, width and height, the last two not negative");
    return {numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::optional<Font_Description> Component_Description::Font(std::string_view key) const {
    const Layout_Property* property = Find(key);
    if (!property)
        return std::nullopt;
    const auto& values = property->values;
    if (values.size() < 3 || values[0].type != Layout_Token::Type::Text ||
        values[1].type != Layout_Token::Type::Number || values[1].number <= 0) {
        Fail(property, "expects a face, a size in points and a colour");
    }
    Font_Description font;
    font.face = values[0].text;
    font.points = values[1].number;
    bool has_colour = false;
    for (std::size_t i = 2; i < values.size(); ++i) {
        const Layout_Token& token = values[i];
        if (!Is_Word(token))
            Fail(property, "unexpected value in a font");
        if (token.text == "bold") {
            font.weight = Font_Weight::Bold;
        } else if (token.text == "heavy") {
            font.weight = Font_Weight::Heavy;
        } else if (token.text == "italic") {
            font.italic = true;
        } else if (token.text == "underline") {
            font.underline = true;
        } else if (token.text == "charset") {
            if (i + 1 >= values.size() || values[i + 1].type != Layout_Token::Type::Number)
                Fail(property, "charset needs a code page");
            font.code_page = values[++i].number;
        } else if (const auto colour = Colour_From_Name(token.text)) {
            font.colour = *colour;
            has_colour = true;
        } else {
            Fail(property, "'" + token.text + "' is no font style, charset or colour");
        }
    }
    if (!has_colour)
        Fail(property, "a font needs its colour");
    return font;
}

std::optional<Gradient> Component_Description::Gradient_Of(std::string_view key) const {
    const Layout_Property* property = Find(key);
    if (!property)
        return std::nullopt;
    const auto& values = property->values;
    if (values.size() < 2 || values.size() > 4)
        Fail(property, "expects two colours, a direction and optionally reversed");
    for (const Layout_Token& token : values) {
        if (!Is_Word(token))
            Fail(property, "expects words only");
    }
    Gradient gradient;
    const auto from = Colour_From_Name(values[0].text);
    const auto to = Colour_From_Name(values[1].text);
    if (!from || !to)
        Fail(property, "the first two words must be colours");
    gradient.from = *from;
    gradient.to = *to;
    for (std::size_t i = 2; i < values.size(); ++i) {
        if (values[i].text == "horizontal") {
            gradient.direction = Gradient_Direction::Horizontal;
        } else if (values[i].text == "vertical") {
            gradient.direction = Gradient_Direction::Vertical;
        } else if (values[i].text == "centre") {
            gradient.direction = Gradient_Direction::Centre;
        } else if (values[i].text == "reversed") {
            gradient.reversed = true;
        } else {
            Fail(property, "'" + values[i].text + "' is no gradient direction");
        }
    }
    return gradient;
}

std::vector<std::string> Component_Description::Unread_Keys() const {
    std::vector<std::string> unread;
    for (const Layout_Property& property : properties) {
        if (!read_.contains(property.key) && property.key != "use") {
            bool listed = false;
            for (const std::string& key : unread)
                listed = listed || key == property.key;
            if (!listed)
                unread.push_back(property.key);
        }
    }
    return unread;
}

std::vector<Component_Description> Parse_Layout(std::string_view text) {
    std::vector<Component_Description> table;
    std::map<std::string, std::vector<Layout_Property>, std::less<>> styles;
    std::vector<std::size_t> open;  // indexes into `table` of the objects not yet ended
    std::string style_name;         // the style being defined, if any
    std::vector<Layout_Property> style_lines;
    int line_number = 0;

    auto add_property = [&](Layout_Property property) {
        if (!style_name.empty())
            style_lines.push_back(std::move(property));
        else
            table[open.back()].properties.push_back(std::move(property));
    };

    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        ++line_number;
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#')
            continue;

        std::vector<Layout_Token> tokens = Tokenize(line, line_number);
        if (!Is_Word(tokens[0]))
            Fail_At(line_number, "a line must start with a key");
        const std::string key = tokens[0].text;
        tokens.erase(tokens.begin());

        if (key == "object") {
            if (!style_name.empty())
                Fail_At(line_number, "an object cannot be defined inside a style");
            if (tokens.size() != 2 || !Is_Word(tokens[0]) || !Is_Word(tokens[1]))
                Fail_At(line_number, "expected: object NAME KIND");
            if (open.empty() && !table.empty())
                Fail_At(line_number, "only one form per layout");
            for (const Component_Description& known : table) {
                if (known.name == tokens[0].text)
                    Fail_At(line_number, "the name " + tokens[0].text + " is used twice");
            }
            Component_Description component;
            component.name = tokens[0].text;
            component.kind = tokens[1].text;
            component.parent = open.empty() ? std::string() : table[open.back()].name;
            component.line = line_number;
            table.push_back(std::move(component));
            open.push_back(table.size() - 1);
        } else if (key == "style") {
            if (!open.empty() || !style_name.empty())
                Fail_At(line_number, "styles are defined at the top level only");
            if (tokens.size() != 1 || !Is_Word(tokens[0]))
                Fail_At(line_number, "expected: style NAME");
            if (styles.contains(tokens[0].text))
                Fail_At(line_number, "the style " + tokens[0].text + " is defined twice");
            style_name = tokens[0].text;
            style_lines.clear();
        } else if (key == "end") {
            if (!tokens.empty())
                Fail_At(line_number, "end takes nothing");
            if (!style_name.empty()) {
                styles.emplace(style_name, std::move(style_lines));
                style_name.clear();
            } else if (!open.empty()) {
                open.pop_back();
            } else {
                Fail_At(line_number, "end without object or style");
            }
        } else {
            if (open.empty() && style_name.empty())
                Fail_At(line_number, "a property outside any object");
            if (key == "use") {
                if (tokens.size() != 1 || !Is_Word(tokens[0]))
                    Fail_At(line_number, "expected: use STYLE");
                const auto style = styles.find(tokens[0].text);
                if (style == styles.end())
                    Fail_At(line_number, "no style named " + tokens[0].text);
                for (const Layout_Property& property : style->second)
                    add_property(property);
                continue;
            }
            add_property(Layout_Property{key, std::move(tokens), line_number});
        }
    }
    if (!style_name.empty())
        Fail_At(line_number, "the style " + style_name + " has no end");
    if (!open.empty())
        Fail_At(line_number, "the object " + table[open.back()].name + " has no end");
    if (table.empty())
        Fail_At(line_number, "no form in the layout");
    return table;
}

}  // namespace ui
