// The addresses main stores on every call, read by the request layer, and the
// RAII holder for an interface obtained from the Host root.
#pragma once
#include "host/HostInterfaces.h"
#include "host/HostRequestRecord.h"
#include "host/ParameterBlock.h"
#include "host/Status.h"

namespace orvane {

struct HostContext {
    HostRoot* hostRoot = nullptr;
    HostRequestRecord* requestRecord = nullptr;
    ParameterBlock* parameterBlock = nullptr;
};

// Module-wide: set at the start of every main call. Inline, as every Host call
// of every notification goes through it.
inline HostContext& Host()
{
    static HostContext context;
    return context;
}

// Gets an interface from the Host root and gives it back when it goes.
template <typename Interface>
class InterfaceRef {
public:
    explicit InterfaceRef(HostLong number) : root_(Host().hostRoot)
    {
        if (root_ == nullptr) Raise(kStatusFailure);
        void* out = nullptr;
        Status status = root_->GetInterface(number, &out);
        if (status != kStatusOk) Raise(status);
        if (out == nullptr) Raise(kStatusFailure);
        iface_ = static_cast<Interface*>(out);
    }
    ~InterfaceRef()
    {
        if (iface_ != nullptr) root_->ReleaseInterface(iface_);
    }
    InterfaceRef(const InterfaceRef&) = delete;
    InterfaceRef& operator=(const InterfaceRef&) = delete;

    Interface* operator->() const { return iface_; }
    Interface* get() const { return iface_; }

private:
    HostRoot* root_;
    Interface* iface_ = nullptr;
};

}  // namespace orvane
