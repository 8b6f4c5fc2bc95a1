// The Host's request record, lent to the plug-in for the life of the process.
// Address fields are pointer-sized so that the native build (64-bit) can carry
// real addresses; in the 32-bit product every offset is the Host's.
#pragma once
#include <cstddef>
#include <cstdint>

namespace orvane {

struct HostRequestRecord;
using HostRequestFunction = std::int16_t (*)(HostRequestRecord*);

enum : std::uint16_t {
    kKindNone = 0,
    kKindPluginBlock = 0x100,
    kKindHostAllocated = 0x200,
    kKindValueByAddress = 0x400,
};

#pragma pack(push, 1)
struct HostRequestRecord {
    std::uint8_t unused0[8];
    std::uint16_t requestId;      // 8
    std::uint8_t unused10[4];
    std::uintptr_t inputAddress;  // 14
    std::uint32_t inputLength;    // 18 (14 + 4 in the 32-bit layout)
    std::uint16_t inputKind;      // 22
    std::uint16_t zero24;         // 24
    std::uintptr_t output;        // 26: buffer address or global-memory handle
    std::uint32_t outputLength;   // 30
    std::uint16_t outputKind;     // 34
    std::uint16_t zero36;         // 36
    std::uint8_t unused38[4];
    HostRequestFunction requestFunction;  // 42
};
#pragma pack(pop)

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(offsetof(HostRequestRecord, requestId) == 8, "request id at 8");
static_assert(offsetof(HostRequestRecord, inputAddress) == 14, "input address at 14");
static_assert(offsetof(HostRequestRecord, inputLength) == 18, "input length at 18");
static_assert(offsetof(HostRequestRecord, inputKind) == 22, "input kind at 22");
static_assert(offsetof(HostRequestRecord, zero24) == 24, "zero at 24");
static_assert(offsetof(HostRequestRecord, output) == 26, "output at 26");
static_assert(offsetof(HostRequestRecord, outputLength) == 30, "output length at 30");
static_assert(offsetof(HostRequestRecord, outputKind) == 34, "output kind at 34");
static_assert(offsetof(HostRequestRecord, zero36) == 36, "zero at 36");
static_assert(offsetof(HostRequestRecord, requestFunction) == 42, "request function at 42");
#endif

}  // namespace orvane
