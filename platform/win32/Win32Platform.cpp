#include <windows.h>

#include "platform/Platform.h"
#include "platform/win32/Win32Module.h"

namespace orvane::platform {

namespace {
HINSTANCE g_module = nullptr;
}

HINSTANCE PluginModule() { return g_module != nullptr ? g_module : GetModuleHandleA(nullptr); }
void SetPluginModule(HINSTANCE module) { g_module = module; }

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned flags)
{
    return MessageBoxA(static_cast<HWND>(owner), text, caption, flags);
}

int LoadResourceString(int id, char* buffer, int capacity)
{
    if (buffer == nullptr || capacity <= 0) return 0;
    buffer[0] = '\0';
    return LoadStringA(PluginModule(), static_cast<UINT>(id), buffer, capacity);
}

ResourceBytes FindTemplateResource(int id)
{
    HRSRC found = FindResourceA(PluginModule(), MAKEINTRESOURCEA(id), "TPPS");
    if (found == nullptr) return {nullptr, 0};
    HGLOBAL loaded = LoadResource(PluginModule(), found);
    if (loaded == nullptr) return {nullptr, 0};
    const void* bytes = LockResource(loaded);
    if (bytes == nullptr) return {nullptr, 0};
    return {static_cast<const char*>(bytes), static_cast<std::size_t>(SizeofResource(PluginModule(), found))};
}

GlobalHandle GlobalAllocate(std::size_t size)
{
    return reinterpret_cast<GlobalHandle>(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size == 0 ? 1 : size));
}

void* GlobalLockHandle(GlobalHandle handle) { return GlobalLock(reinterpret_cast<HGLOBAL>(handle)); }
void GlobalUnlockHandle(GlobalHandle handle) { GlobalUnlock(reinterpret_cast<HGLOBAL>(handle)); }
unsigned GlobalLockCount(GlobalHandle handle)
{
    return GlobalFlags(reinterpret_cast<HGLOBAL>(handle)) & GMEM_LOCKCOUNT;
}
void GlobalFreeHandle(GlobalHandle handle) { GlobalFree(reinterpret_cast<HGLOBAL>(handle)); }

bool ControlAndShiftDown()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0 && (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

namespace {
char FirstLocaleCharacter(LCTYPE type)
{
    char buffer[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) == 0) return '\0';
    return buffer[0];
}
}  // namespace

char LocaleDecimalSeparator() { return FirstLocaleCharacter(LOCALE_SDECIMAL); }
char LocaleThousandsSeparator() { return FirstLocaleCharacter(LOCALE_STHOUSAND); }

WindowHandle FindHostMainWindow() { return FindWindowA("VWClass500", nullptr); }
WindowHandle ActiveWindow() { return GetActiveWindow(); }

void UpperCaseInPlace(char* text, std::size_t length)
{
    CharUpperBuffA(text, static_cast<DWORD>(length));
}

int DialogBaseUnitX() { return LOWORD(GetDialogBaseUnits()); }

int MeasureTextWidth(const char* text, int length)
{
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return 0;
    SetMapMode(dc, MM_TEXT);
    SIZE size = {0, 0};
    GetTextExtentPointA(dc, text, length, &size);
    DeleteDC(dc);
    return size.cx;
}

}  // namespace orvane::platform

namespace orvane::platform {
std::size_t GlobalBlockSize(GlobalHandle handle) { return GlobalSize(reinterpret_cast<HGLOBAL>(handle)); }
}  // namespace orvane::platform
