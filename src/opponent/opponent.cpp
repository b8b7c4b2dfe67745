#include "opponent/opponent.h"

#include "opponent/expert.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

Opponent::Opponent(Reporter& reporter, int grid)
    : reporter_(reporter),
      reasoner_(reporter, {"His", "HIS SEA", "WK_TOTS"}),
      tally_(reporter, "Tally"),
      temp_tally_(reporter, "Temp tally") {
  tally_.allocate(kMaxGrid, kMaxGrid);
  temp_tally_.allocate(kMaxGrid, kMaxGrid);
  resize(grid);
}

Opponent::~Opponent() = default;

void Opponent::new_game() {
  reasoner_.forget();
  if (expert_) expert_->forget_chances();
}

Expert& Opponent::mutable_expert() {
  if (!expert_) expert_ = std::make_unique<Expert>(reporter_);
  return *expert_;
}

void Opponent::resize(int grid) {
  reasoner_.resize(grid);
  tally_.set_size(grid, grid);
  temp_tally_.set_size(grid, grid);
}

TraceLog& Opponent::log() { return reporter_.log(); }

const TargetCandidate* Opponent::target_list(Match& match, const Board& tally, const Board& shots,
                                             const Board* secondary, ListWanted wanted) {
  return vornmark::target_list(targets_, tally, shots, secondary, match.settings().PlayLevel, match.random(), wanted);
}

const char* phase_letter(VolleyPhase phase) {
  switch (phase) {
    case VolleyPhase::A:
      return "A";
    case VolleyPhase::B:
      return "B";
    case VolleyPhase::Gamma:
      return "C";
    case VolleyPhase::Delta:
      return "D";
    case VolleyPhase::Novice:
      break;
  }
  return "";
}

const char* phase_words(VolleyPhase phase) {
  switch (phase) {
    case VolleyPhase::A:
    case VolleyPhase::B:
      return "phase A/B";
    case VolleyPhase::Gamma:
      return "phase GAMMA";
    case VolleyPhase::Delta:
      return "phase DELTA";
    case VolleyPhase::Novice:
      break;
  }
  return "Novice";
}

}  // namespace vornmark
