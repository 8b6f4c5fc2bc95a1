// The Host's interfaces. Each is an object whose first word points at a table of
// member functions; the slot numbers are fixed by the Host, so every class below
// declares its virtual functions in slot order, with placeholders for slots the
// plug-in never calls. No virtual destructors: they would add slots.
#pragma once
#include <cstdint>

namespace orvane {

struct HostRequestRecord;

using HostLong = std::int32_t;
using HostULong = std::uint32_t;

enum InterfaceNumber : HostLong {
    kCoreInterface = 0,
    kPrintJobInterface = 102,
    kRequestChannel = 103,
    kPostScriptStream = 104,
    kPrivateDataAccessor = 2000,
};

#if defined(__GNUC__) || defined(__clang__)
#define ORVANE_INTERFACE_SUPPRESS_BEGIN \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wnon-virtual-dtor\"")
#define ORVANE_INTERFACE_SUPPRESS_END _Pragma("GCC diagnostic pop")
#else
#define ORVANE_INTERFACE_SUPPRESS_BEGIN
#define ORVANE_INTERFACE_SUPPRESS_END
#endif

ORVANE_INTERFACE_SUPPRESS_BEGIN

class HostRoot {
public:
    virtual void Slot0() = 0;
    virtual std::int16_t GetInterface(HostLong number, void** out) = 0;  // slot 1
    virtual void Slot2() = 0;
    virtual void ReleaseInterface(void* iface) = 0;  // slot 3
};

class CoreInterface {
public:
    virtual void Slot0() = 0;
    virtual void* Allocate(HostULong size) = 0;  // slot 1
    virtual void Free(void* p) = 0;              // slot 2
    virtual void Slot3() = 0;
    virtual void Slot4() = 0;
    virtual void Slot5() = 0;
    virtual void Slot6() = 0;
    virtual void Slot7() = 0;
    virtual void Slot8() = 0;
    virtual void RegisterNotification(HostLong number) = 0;  // slot 9
};

class PrintJobInterface {
public:
    virtual void Slot0() = 0;
    virtual void Slot1() = 0;
    virtual void Slot2() = 0;
    virtual void Operation3(char** twoBufferAddresses) = 0;  // slot 3
};

class RequestChannel {
public:
    virtual void Slot0() = 0;
    virtual void GetRequestRecord(HostRequestRecord** out) = 0;                // slot 1
    virtual void ReportError(std::int16_t status, HostRequestRecord* record) = 0;  // slot 2
};

class PostScriptStream {
public:
    virtual void Slot0() = 0;
    virtual void Slot1() = 0;
    virtual void Slot2() = 0;
    virtual void Slot3() = 0;
    virtual void Slot4() = 0;
    virtual void Slot5() = 0;
    virtual void Slot6() = 0;
    virtual std::int16_t WriteText(const char* bytes, HostLong length) = 0;  // slot 7
    virtual std::int16_t OutputControl(HostLong value) = 0;                  // slot 8
};

class PrivateDataAccessor {
public:
    virtual void Slot0() = 0;
    virtual void Slot1() = 0;
    virtual std::int16_t Open(const char* name, const char* type, std::int16_t mode) = 0;  // slot 2
    virtual void Close() = 0;                                                             // slot 3
    virtual void Slot4() = 0;
    virtual void Delete(const char* name, const char* type) = 0;  // slot 5
    virtual void Slot6() = 0;
    virtual void Slot7() = 0;
    virtual std::int16_t Read(void** data, HostLong count, HostLong* obtained) = 0;  // slot 8
    virtual void Write(const void* data, HostLong count) = 0;                         // slot 9
    virtual void Slot10() = 0;
    virtual void FreeData(void* data) = 0;  // slot 11
};

ORVANE_INTERFACE_SUPPRESS_END

constexpr std::int16_t kPrivateDataRead = 1;
constexpr std::int16_t kPrivateDataWrite = 0;

}  // namespace orvane
