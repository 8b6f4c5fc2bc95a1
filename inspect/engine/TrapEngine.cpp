// Unfinished: rows pass through without traps until the engine lands.
#include "inspect/engine/TrapEngine.h"

#include "inspect/engine/PlateBandCheck.h"

namespace orvane::inspect {

struct TrapEngine::State {
    TrapPage page;
    int nextRow = 0;
    bool failed = false;
    std::vector<TrapRecord> traps;
    std::vector<UntrappedEdge> untrapped;
};

TrapEngine::TrapEngine(const TrapPage& page, const TrapOptions&) : state_(std::make_unique<State>()) {
    state_->page = page;
}

TrapEngine::~TrapEngine() = default;

int TrapEngine::HaloRows() const { return 0; }

bool TrapEngine::Push(const PlateBand& band, TrapBand& out) {
    out = TrapBand{};
    State& s = *state_;
    if (s.failed || s.page.width < 0 || !BandFits(band, s.page.width, s.page.height, s.page.inks.size(), s.nextRow)) {
        s.failed = true;
        return false;
    }
    out.y0 = band.y0;
    out.rows = band.rows;
    out.trapped = band.plates;
    out.mask.assign(static_cast<std::size_t>(band.rows) * static_cast<std::size_t>(s.page.width), 0);
    s.nextRow += band.rows;
    return true;
}

void TrapEngine::Finish(TrapBand& out) { out = TrapBand{}; }

bool TrapEngine::Failed() const { return state_->failed; }
const std::vector<TrapRecord>& TrapEngine::Traps() const { return state_->traps; }
const std::vector<UntrappedEdge>& TrapEngine::Untrapped() const { return state_->untrapped; }

}  // namespace orvane::inspect
