// Records the Host passes to main. Pointer-sized address fields, the Host's offsets
// in the 32-bit product.
#pragma once
#include <cstddef>
#include <cstdint>

namespace orvane {

class HostRoot;

#pragma pack(push, 1)
struct ParameterBlock {
    HostRoot* hostRoot;        // 0
    std::uint32_t messageCode; // 4
    std::int32_t messageValue; // 8 (command number for message 6)
    std::uint32_t unused12;    // 12, never read
    void* notification;        // 16, NotificationRecord* for message 7
};

struct NotificationRecord {
    std::uint32_t identifier;  // 0
    std::int32_t result;       // 4: 1 cancels the print job
    void* details;             // 8
};

// Details of notification 2.
struct NotificationDetails {
    std::uint16_t code;   // 0
    std::uint16_t klass;  // 2
};
#pragma pack(pop)

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(offsetof(ParameterBlock, messageCode) == 4, "message code at 4");
static_assert(offsetof(ParameterBlock, messageValue) == 8, "message value at 8");
static_assert(offsetof(ParameterBlock, notification) == 16, "notification at 16");
static_assert(offsetof(NotificationRecord, result) == 4, "result at 4");
static_assert(offsetof(NotificationRecord, details) == 8, "details at 8");
#endif

enum MessageCode : std::uint32_t {
    kMessageLoad = 1,
    kMessageUnload = 2,
    kMessageRegister = 3,
    kMessage4 = 4,
    kMessageRelease = 5,
    kMessageCommand = 6,
    kMessageNotify = 7,
    kMessage8 = 8,
    kMessage9 = 9,
    kMessage10 = 10,
};

}  // namespace orvane
