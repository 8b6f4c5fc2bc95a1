// One numbered Host request: fills the request record, calls the Host, raises a
// failed status, and holds a Host-allocated reply (locked) until it goes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/Reply.h"
#include "host/RequestBlock.h"
#include "platform/Platform.h"

namespace orvane {

enum class OutputForm { None, Buffer, HostAllocated };

class Request {
public:
    explicit Request(std::uint16_t id) : id_(id) {}
    ~Request();
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;

    // Performs the request. For OutputForm::Buffer, bufferSize is 2, 4 or the stated length.
    void Perform(const RequestBlock* input, OutputForm form, std::size_t bufferSize = 0);

    // The reply: the plug-in buffer, or the locked Host handle (7212 without one).
    ReplyReader Reader();

private:
    std::uint16_t id_;
    std::vector<char> buffer_;
    platform::GlobalHandle handle_ = 0;
    void* locked_ = nullptr;
};

}  // namespace orvane
