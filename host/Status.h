// 16-bit statuses and the error that carries one up to main.
#pragma once
#include <cstdint>
#include <new>

namespace orvane {

using Status = std::int16_t;

constexpr Status kStatusOk = 0;
constexpr Status kStatusFailure = 7212;      // allocation failure, missing reply, anything unexpected
constexpr Status kStatusBadFourCharCode = 7223;

// A Host request, a stream write or an internal check that failed. Travels up to main.
class HostError {
public:
    explicit HostError(Status status) : status_(status) {}
    Status status() const { return status_; }

private:
    Status status_;
};

// Thrown by the process allocation-failure handler; main turns it into 7212.
class AllocationFailure : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "allocation failed"; }
};

[[noreturn]] inline void Raise(Status status) { throw HostError(status); }

// Raises a non-zero status; returns otherwise.
inline void RaiseIfFailed(Status status)
{
    if (status != kStatusOk) Raise(status);
}

}  // namespace orvane
