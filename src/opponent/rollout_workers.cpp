#include "opponent/rollout_workers.h"

#include <algorithm>

namespace vornmark {

int default_search_threads() {
  const unsigned processors = std::thread::hardware_concurrency();
  return static_cast<int>(std::clamp(processors, 1u, 4u));
}

RolloutWorkers::RolloutWorkers(int count) {
  const int workers = std::max(1, count);
  for (int w = 0; w < workers; ++w) playouts_.push_back(std::make_unique<Playout>());
  for (int w = 1; w < workers; ++w) threads_.emplace_back([this, w] { serve(w); });
}

RolloutWorkers::~RolloutWorkers() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  start_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void RolloutWorkers::run_job(JobCall call, void* context) {
  if (threads_.empty()) {
    call(context, 0, *playouts_[0]);
    return;
  }
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    call_ = call;
    context_ = context;
    busy_ = static_cast<int>(threads_.size());
    ++round_;
  }
  start_.notify_all();
  call(context, 0, *playouts_[0]);
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return busy_ == 0; });
  call_ = nullptr;
  context_ = nullptr;
}

void RolloutWorkers::serve(int worker) {
  unsigned seen = 0;
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    start_.wait(lock, [this, seen] { return stop_ || round_ != seen; });
    if (stop_) return;
    seen = round_;
    const JobCall call = call_;
    void* const context = context_;
    lock.unlock();
    call(context, worker, *playouts_[static_cast<std::size_t>(worker)]);
    lock.lock();
    if (--busy_ == 0) done_.notify_one();
  }
}

}  // namespace vornmark
