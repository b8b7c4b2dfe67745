// The game in progress as the text of the game file, and the game taken back from it.

#include "play/play_flow.h"
#include "play/view.h"

namespace vornmark {

void PlayFlow::set_title(const std::string& title) {
  title_ = title;
  view_.set_title(title_);
}

std::string PlayFlow::saved_game() const { return "vornmark-game 1\n"; }

bool PlayFlow::resume(std::string_view, std::string* why) {
  if (why != nullptr) *why = "not yet";
  return false;
}

}  // namespace vornmark
