#include "inks/Density.h"

#include <optional>

#include "host/HostRequests.h"
#include "host/Status.h"
#include "model/Ink.h"

namespace orvane {

const char* const kTemporaryColorName = "ORVT_Temp_Color";

std::string FormatDensity(std::int16_t value)
{
    std::int32_t v = value;
    std::string text;
    if (v < 0) {
        text += '-';
        v = -v;
    }
    text += std::to_string(v / 1000);
    std::int32_t thousandths = v % 1000;
    text += '.';
    text += static_cast<char>('0' + thousandths / 100);
    text += static_cast<char>('0' + thousandths / 10 % 10);
    text += static_cast<char>('0' + thousandths % 10);
    text += '0';
    return text;
}

TemporaryColor::TemporaryColor(std::int16_t c, std::int16_t m, std::int16_t y, std::int16_t k)
{
    const std::int16_t values[7] = {0, 1, 0, c, m, y, k};
    requests::CreateColor(kTemporaryColorName, values);
}

TemporaryColor::~TemporaryColor()
{
    if (removed_) return;
    try {
        requests::RemoveColor(kTemporaryColorName);
    } catch (...) {
        // The error that brought us here is the one that travels on.
    }
}

std::int16_t TemporaryColor::Density() const { return requests::ColorDensity(kTemporaryColorName); }

void TemporaryColor::Remove()
{
    removed_ = true;
    try {
        requests::RemoveColor(kTemporaryColorName);
    } catch (...) {
        try {
            requests::RemoveColor(kTemporaryColorName);
        } catch (...) {
        }
        throw;
    }
}

namespace {

std::int16_t ReadAndRemove(TemporaryColor& color)
{
    std::int16_t value = color.Density();
    color.Remove();
    return value;
}

}  // namespace

std::int16_t TemporaryColorDensity(std::int16_t c, std::int16_t m, std::int16_t y, std::int16_t k)
{
    TemporaryColor color(c, m, y, k);
    return ReadAndRemove(color);
}

std::int16_t ColorDensity(const std::string& colorName, std::int16_t c, std::int16_t m, std::int16_t y,
                          std::int16_t k)
{
    std::int16_t value = 0;
    try {
        value = requests::ColorDensity(colorName);
    } catch (const HostError&) {
        value = TemporaryColorDensity(c, m, y, k);
    }
    return value < 1 ? static_cast<std::int16_t>(1) : value;
}

std::int16_t InkDensity(const std::string& inkName) { return requests::InkDensity(inkName); }

void AddProcessInk(InkList& list, std::unique_ptr<InkEntry> entry, std::int16_t number)
{
    std::int16_t value = 0;
    try {
        value = requests::ColorDensity(entry->name);
    } catch (const HostError&) {
        std::optional<TemporaryColor> color;
        try {
            requests::ColorInfo info = requests::ColorInformation(entry->name);
            color.emplace(info.c, info.m, info.y, info.k);
        } catch (const HostError&) {
            const int process = InkList::ProcessInkIndex(entry->processName);
            if (process == kNotProcessInk) Raise(kStatusFailure);
            std::int16_t pure[4] = {0, 0, 0, 0};
            pure[process] = 1000;
            color.emplace(pure[0], pure[1], pure[2], pure[3]);
        }
        value = ReadAndRemove(*color);
    }
    entry->type = kInkNormal;
    entry->number = number;
    entry->densityText = FormatDensity(value);
    entry->present = true;
    list.Append(std::move(entry));
}

}  // namespace orvane
