#pragma once
// The threads that play the Expert's rollouts side by side. Each worker owns a sandbox of its
// own (a Playout); the calling thread is worker 0 and plays its share too. Which worker plays
// a rollout never changes its result: a rollout depends only on its volley, fleet and stream.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "opponent/playout.h"

namespace vornmark {

// The machine's processors, at most four: the rollouts of one volley are too few to keep more
// busy.
int default_search_threads();

class RolloutWorkers {
 public:
  // `count` workers in all, at least one; the others start at once and wait for work.
  explicit RolloutWorkers(int count);
  ~RolloutWorkers();
  RolloutWorkers(const RolloutWorkers&) = delete;
  RolloutWorkers& operator=(const RolloutWorkers&) = delete;

  int count() const { return static_cast<int>(playouts_.size()); }
  Playout& playout(int worker) { return *playouts_[static_cast<std::size_t>(worker)]; }
  // Calls job(worker, its playout) on every worker at once and returns when all have returned.
  // The job is passed by reference, never copied: handing out work allocates nothing.
  template <typename Job>
  void run(Job& job) {
    run_job([](void* context, int worker, Playout& playout) { (*static_cast<Job*>(context))(worker, playout); },
            &job);
  }

 private:
  using JobCall = void (*)(void* context, int worker, Playout& playout);
  void run_job(JobCall call, void* context);
  void serve(int worker);

  std::vector<std::unique_ptr<Playout>> playouts_;
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable start_;
  std::condition_variable done_;
  JobCall call_ = nullptr;
  void* context_ = nullptr;
  unsigned round_ = 0;
  int busy_ = 0;
  bool stop_ = false;
};

}  // namespace vornmark
