// The publication's document-wide trapping settings.
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

class DocumentTrapping {
public:
    virtual ~DocumentTrapping() = default;

    void ResetDocumentTrapping()
    {
        trappingEnabled = 0;
        trapAllPages = 0;
        defaultStyleName.clear();
    }

    char byteOrder = 'w';
    std::int32_t trappingEnabled = 0;
    std::int32_t trapAllPages = 0;
    std::string defaultStyleName;
};

}  // namespace orvane
