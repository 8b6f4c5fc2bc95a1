// One batch of writes to the Host's PostScript stream: the stream is held for the
// batch's life and every failed write raises its status at once.
#pragma once
#include <cstddef>
#include <string>

#include "host/HostContext.h"

namespace orvane {

class PostScriptBatch {
public:
    // Gets the stream; calls OutputControl(0) unless told not to.
    explicit PostScriptBatch(bool controlFirst = true);
    PostScriptBatch(const PostScriptBatch&) = delete;
    PostScriptBatch& operator=(const PostScriptBatch&) = delete;

    // OutputControl(0); its status is not looked at.
    void Control();
    void Write(const char* bytes, std::size_t length);
    void Write(const std::string& text) { Write(text.data(), text.size()); }
    // Sends a template unchanged, with its full length (7212 when it is missing).
    void WriteTemplate(int identifier);

private:
    InterfaceRef<PostScriptStream> stream_;
};

}  // namespace orvane
