#include "plugin/PluginBase.h"

#include "host/HostContext.h"

namespace orvane {

PluginBase::PluginBase(ParameterBlock* block, HostRequestRecord* record)
{
    Host().parameterBlock = block;
    Host().requestRecord = record;
}

void PluginBase::Dispatch()
{
    ParameterBlock* block = Host().parameterBlock;
    if (block == nullptr) return;
    switch (block->messageCode) {
    case kMessageLoad: OnLoad(); break;
    case kMessageUnload: OnUnload(); break;
    case kMessageRegister: OnRegister(); break;
    case kMessageRelease: OnRelease(); break;
    case kMessageCommand: OnCommand(); break;
    case kMessageNotify: OnNotify(); break;
    case kMessage8: OnMessage8(); break;
    case kMessage9: OnMessage9(); break;
    case kMessage10: OnMessage10(); break;
    default: break;  // 4 and unknown codes reach no handler
    }
}

}  // namespace orvane
