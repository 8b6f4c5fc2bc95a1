#include "platform/portable/PortablePlatform.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "resources/ResourceData.h"

namespace orvane::platform {

PortableState& Portable()
{
    static PortableState state;
    return state;
}

void ResetPortable()
{
    PortableState& state = Portable();
    auto blocks = std::move(state.globalBlocks);
    GlobalHandle next = state.nextGlobalHandle;
    state = PortableState{};
    state.globalBlocks = std::move(blocks);
    state.nextGlobalHandle = next;
}

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned flags)
{
    PortableState& state = Portable();
    state.messageBoxes.push_back({owner, text ? text : "", caption ? caption : "", flags});
    if (!state.messageBoxAnswers.empty()) {
        int answer = state.messageBoxAnswers.front();
        state.messageBoxAnswers.pop_front();
        return answer;
    }
    return (flags & 0xF) == kMbYesNo ? kIdYes : kIdOk;
}

int LoadResourceString(int id, char* buffer, int capacity)
{
    if (buffer == nullptr || capacity <= 0) return 0;
    Portable().stringLoads.emplace_back(id, capacity);
    buffer[0] = '\0';
    for (int i = 0; i < resources::kStringCount; ++i) {
        if (resources::kStrings[i].id != id) continue;
        std::size_t length = std::min<std::size_t>(std::strlen(resources::kStrings[i].text),
                                                   static_cast<std::size_t>(capacity - 1));
        std::memcpy(buffer, resources::kStrings[i].text, length);
        buffer[length] = '\0';
        return static_cast<int>(length);
    }
    return 0;
}

ResourceBytes FindTemplateResource(int id)
{
    Portable().templateLookups.push_back(id);
    for (int i = 0; i < resources::kTemplateCount; ++i) {
        if (resources::kTemplates[i].id == id) return {resources::kTemplates[i].data, resources::kTemplates[i].size};
    }
    return {nullptr, 0};
}

GlobalHandle GlobalAllocate(std::size_t size)
{
    PortableState& state = Portable();
    GlobalHandle handle = state.nextGlobalHandle;
    state.nextGlobalHandle += 0x10;
    state.globalBlocks[handle].bytes.assign(size == 0 ? 1 : size, '\0');
    return handle;
}

void* GlobalLockHandle(GlobalHandle handle)
{
    auto it = Portable().globalBlocks.find(handle);
    if (it == Portable().globalBlocks.end()) return nullptr;
    ++it->second.lockCount;
    return it->second.bytes.data();
}

void GlobalUnlockHandle(GlobalHandle handle)
{
    auto it = Portable().globalBlocks.find(handle);
    if (it != Portable().globalBlocks.end() && it->second.lockCount > 0) --it->second.lockCount;
}

unsigned GlobalLockCount(GlobalHandle handle)
{
    auto it = Portable().globalBlocks.find(handle);
    return it == Portable().globalBlocks.end() ? 0 : it->second.lockCount;
}

void GlobalFreeHandle(GlobalHandle handle)
{
    if (Portable().globalBlocks.erase(handle) == 0) ++Portable().globalFreeErrors;
}

bool ControlAndShiftDown() { return Portable().controlAndShiftDown; }
char LocaleDecimalSeparator() { return Portable().decimalSeparator; }
char LocaleThousandsSeparator() { return Portable().thousandsSeparator; }
WindowHandle FindHostMainWindow() { return Portable().hostMainWindow; }
WindowHandle ActiveWindow() { return Portable().activeWindow; }

void UpperCaseInPlace(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length && text[i] != '\0'; ++i) {
        text[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    }
}

int DialogBaseUnitX() { return Portable().dialogBaseUnitX; }

int MeasureTextWidth(const char*, int length) { return length * Portable().characterWidth; }

}  // namespace orvane::platform

namespace orvane::platform {
std::size_t GlobalBlockSize(GlobalHandle handle)
{
    auto it = Portable().globalBlocks.find(handle);
    return it == Portable().globalBlocks.end() ? 0 : it->second.bytes.size();
}
}  // namespace orvane::platform
