// Trap styles: a named set of trapping parameters, kept as stored texts, and the
// ordered list that owns them.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

class TrapZoneList;

enum ImageTrapPlacement : std::int32_t {
    kPlacementCenter = 0,
    kPlacementChoke = 1,
    kPlacementNormal = 2,
    kPlacementSpread = 3,
};

class TrapStyle {
public:
    TrapStyle() = default;
    TrapStyle(const TrapStyle& other) = default;
    virtual ~TrapStyle() = default;

    void AssignStyle(const TrapStyle& other) { *this = other; }

    // A new style with the parameters a user starts from when no model was chosen.
    static std::unique_ptr<TrapStyle> WithDefaults();

    std::int32_t reservedValue = 0;
    std::string trapWidth;
    std::string blackWidth;
    std::string stepLimit;
    std::string blackColorLimit;
    std::string blackDensityLimit;
    std::string slidingTrapLimit;
    std::int32_t imageTrapPlacement = kPlacementCenter;
    std::int32_t imageToObjectTrapping = 0;
    std::int32_t imageInternalTrapping = 0;
    std::string imageResolution;
    std::string spareText;
    std::string trapColorScaling;
    std::int32_t inUse = 0;
    std::string name;

protected:
    TrapStyle& operator=(const TrapStyle& other) = default;
};

class TrapStyleList {
public:
    TrapStyleList() = default;
    TrapStyleList(const TrapStyleList&) = delete;
    TrapStyleList& operator=(const TrapStyleList&) = delete;
    virtual ~TrapStyleList() = default;

    static std::unique_ptr<TrapStyleList> CopyStyleList(const TrapStyleList& source);

    // Appends the style unless one of that name exists; then the existing one wins,
    // its inUse merged with the new one's, and the argument is dropped. True if appended.
    bool AddStyle(std::unique_ptr<TrapStyle> style);
    TrapStyle* StyleAt(int position) const;  // none for a negative or out-of-range position
    bool RemoveStyleAt(int position);
    TrapStyle* FindStyle(const std::string& name) const;
    bool ContainsStyleName(const std::string& name) const { return FindStyle(name) != nullptr; }
    void MarkStylesUsedByZones(const TrapZoneList& zones);
    // Styles in use or named like the document default style.
    int CountStylesToSave(const std::string& defaultStyleName) const;
    void Clear() { styles_.clear(); }

    int Count() const { return static_cast<int>(styles_.size()); }
    bool Empty() const { return styles_.empty(); }
    const std::vector<std::unique_ptr<TrapStyle>>& Styles() const { return styles_; }

private:
    std::vector<std::unique_ptr<TrapStyle>> styles_;
};

}  // namespace orvane
