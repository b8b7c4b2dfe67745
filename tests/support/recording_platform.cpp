#include "support/recording_platform.h"

namespace vornmark::testing {

BoxAnswer RecordingPlatform::message_box(const MessageBoxRequest& request) {
  boxes.push_back({request.owner, std::string(request.caption), std::string(request.text), request.buttons,
                   request.icon});
  if (request.buttons != BoxButtons::OkCancel || answers.empty()) return BoxAnswer::Ok;
  const BoxAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<std::string> RecordingPlatform::texts(const std::string& caption) const {
  std::vector<std::string> found;
  for (const RecordedBox& box : boxes)
    if (box.caption == caption) found.push_back(box.text);
  return found;
}

}  // namespace vornmark::testing
