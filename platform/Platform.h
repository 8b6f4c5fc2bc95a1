// The one seam between the portable code and Windows. The product links the Win32
// implementation (platform/win32), native tests the scriptable stand-in
// (platform/portable). Nothing above this header knows which one it runs on.
#pragma once
#include <cstddef>
#include <cstdint>

namespace orvane::platform {

using WindowHandle = void*;

// Message-box flags and answers, with the Win32 values.
enum : unsigned {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbYesNo = 0x4,
    kMbIconQuestion = 0x20,
};
enum : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdYes = 6,
    kIdNo = 7,
};

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned flags);

// Loads string `id` of the plug-in's own string table into buffer (capacity bytes,
// always terminated). Returns the number of characters copied, 0 when missing.
int LoadResourceString(int id, char* buffer, int capacity);

// A "TPPS" resource of the plug-in's module: its bytes and size, or {nullptr, 0}.
struct ResourceBytes {
    const char* data;
    std::size_t size;
};
ResourceBytes FindTemplateResource(int id);

// Win32 global memory, as the Host hands out replies.
using GlobalHandle = std::uintptr_t;
GlobalHandle GlobalAllocate(std::size_t size);  // moveable; for the Host stand-in
void* GlobalLockHandle(GlobalHandle handle);
void GlobalUnlockHandle(GlobalHandle handle);
unsigned GlobalLockCount(GlobalHandle handle);
void GlobalFreeHandle(GlobalHandle handle);

// Keyboard: whether Ctrl and Shift are both held at this moment.
bool ControlAndShiftDown();

// The user's decimal and thousands separators (first character of each setting).
char LocaleDecimalSeparator();
char LocaleThousandsSeparator();

WindowHandle FindHostMainWindow();  // top-level window of class "VWClass500"
WindowHandle ActiveWindow();

// Upper-cases `length` bytes in place with the system's conversion.
void UpperCaseInPlace(char* text, std::size_t length);

// Text measuring for column clipping: the horizontal dialog base unit and the
// width of a text in pixels on a screen-compatible memory context.
int DialogBaseUnitX();
int MeasureTextWidth(const char* text, int length);

}  // namespace orvane::platform

namespace orvane::platform {
// Size of a global-memory block, so that replies are never read past their end.
std::size_t GlobalBlockSize(GlobalHandle handle);
}  // namespace orvane::platform
