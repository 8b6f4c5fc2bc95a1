// Filling a template's %s and %d placeholders with the writers' values.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace orvane {

// One value for a placeholder: a text for %s, a whole number for %d.
class TemplateArgument {
public:
    TemplateArgument(const std::string& text) : text_(text) {}  // NOLINT: implicit by design
    TemplateArgument(const char* text) : text_(text ? text : "") {}  // NOLINT
    TemplateArgument(std::string_view text) : text_(text) {}    // NOLINT
    TemplateArgument(std::int32_t number) : number_(number), isNumber_(true) {}  // NOLINT

    bool IsNumber() const { return isNumber_; }
    std::int32_t Number() const { return number_; }
    void AppendText(std::string& out) const { out.append(text_.data(), text_.size()); }

private:
    std::string_view text_;
    std::int32_t number_ = 0;
    bool isNumber_ = false;
};

// The template's text up to its first zero byte with every placeholder replaced,
// in order, by the next argument ("%%" gives "%"). Raises 7212 when the template is
// missing or the arguments do not match its placeholders.
std::string FillTemplate(int identifier, std::initializer_list<TemplateArgument> arguments);

// The same, appended to `out`.
void AppendFilledTemplate(std::string& out, int identifier, std::initializer_list<TemplateArgument> arguments);

}  // namespace orvane
