#include "host/HostContext.h"

namespace orvane {

HostContext& Host()
{
    static HostContext context;
    return context;
}

}  // namespace orvane
