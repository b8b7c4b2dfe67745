#include "headless.h"

#include <cstdio>
#include <cstdlib>

namespace vornmark::sim {

BoxAnswer HeadlessPlatform::message_box(const MessageBoxRequest& request) {
  if (request.caption == "Vornmark") ++warnings_;
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(request.caption.size()), request.caption.data(),
               static_cast<int>(request.text.size()), request.text.data());
  return BoxAnswer::Ok;
}

void HeadlessPlatform::exit_process(int code) {
  std::fflush(nullptr);
  std::exit(code);
}

}  // namespace vornmark::sim
