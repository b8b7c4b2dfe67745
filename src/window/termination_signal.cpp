#include "window/termination_signal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace vornmark {

namespace {

// The socket the handler writes to: a signal handler reaches nothing but such a process-wide
// value, as the signal's disposition is process-wide too.
volatile std::sig_atomic_t signal_socket = -1;

void on_sigterm(int) {
  const int saved_errno = errno;
  const char byte = 1;
  // The socket does not block: when the loop has not read an earlier byte yet, one is enough.
  [[maybe_unused]] const ssize_t written = ::write(signal_socket, &byte, 1);
  errno = saved_errno;
}

void say_not_caught() {
  std::fprintf(stderr, "vornmark: SIGTERM will end the game without saving the settings: %s\n", std::strerror(errno));
}

}  // namespace

TerminationSignal::TerminationSignal(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_) != 0) {
    say_not_caught();
    sockets_[0] = sockets_[1] = -1;
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { take_signal(); });
  signal_socket = sockets_[0];

  struct sigaction action = {};
  action.sa_handler = on_sigterm;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  if (::sigaction(SIGTERM, &action, nullptr) != 0) say_not_caught();
}

TerminationSignal::~TerminationSignal() {
  if (sockets_[0] < 0) return;
  std::signal(SIGTERM, SIG_DFL);
  signal_socket = -1;
  notifier_.reset();
  ::close(sockets_[0]);
  ::close(sockets_[1]);
}

void TerminationSignal::take_signal() {
  char bytes[16];
  while (::read(sockets_[1], bytes, sizeof bytes) > 0) {
  }
  if (on_signal_) on_signal_();
}

}  // namespace vornmark
