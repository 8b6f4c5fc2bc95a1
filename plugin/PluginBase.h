// The plug-in object: built on the stack of one main call, it dispatches the
// Host's message to one of its handlers.
#pragma once
#include <cstdint>

#include "host/ParameterBlock.h"

namespace orvane {

struct HostRequestRecord;

class PluginBase {
public:
    PluginBase(ParameterBlock* block, HostRequestRecord* record);
    PluginBase(const PluginBase&) = delete;
    PluginBase& operator=(const PluginBase&) = delete;

    virtual void OnLoad() {}
    virtual void OnRegister() {}
    virtual void OnCommand() {}
    virtual void OnNotify() {}
    virtual void OnMessage8() {}
    virtual void OnMessage9() {}
    virtual void OnMessage10() {}
    virtual void OnUnload() {}
    virtual void OnRelease() {}

    void Dispatch();

protected:
    ~PluginBase() = default;
};

class TrappingPlugin : public PluginBase {
public:
    TrappingPlugin(ParameterBlock* block, HostRequestRecord* record);

    void OnLoad() override;
    void OnRegister() override;
    void OnCommand() override;
    void OnNotify() override;
    void OnUnload() override;
    void OnRelease() override;
    virtual ~TrappingPlugin() = default;
    virtual void Reserved1() {}
    virtual void Reserved2() {}

    std::int32_t messageValue() const { return messageValue_; }

private:
    std::int32_t messageValue_;
};

}  // namespace orvane
