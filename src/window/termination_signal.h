#pragma once
// SIGTERM, which desktops at logout and service managers send, handed to the event loop: the
// handler only writes a byte to a socket pair, and the loop then runs the callback, where any
// code may run.

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace vornmark {

class TerminationSignal {
 public:
  // Catches SIGTERM until destroyed, then gives it its default action again; one at a time in a
  // process. When it cannot be set up it says so on stderr, and SIGTERM ends the process as before.
  explicit TerminationSignal(std::function<void()> on_signal);
  ~TerminationSignal();
  TerminationSignal(const TerminationSignal&) = delete;
  TerminationSignal& operator=(const TerminationSignal&) = delete;

 private:
  void take_signal();

  std::function<void()> on_signal_;
  int sockets_[2] = {-1, -1};  // the handler writes to the first, the loop reads the second
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vornmark
