#include "state/ResourceString.h"

#include <new>

#include "platform/Platform.h"

namespace orvane {

ResourceString::ResourceString(int id) : buffer_(new (std::nothrow) char[256])
{
    if (buffer_) {
        buffer_[0] = '\0';
        platform::LoadResourceString(id, buffer_.get(), 256);
    }
}

}  // namespace orvane
