#pragma once
// Keeps a piece of work from running inside itself. A modal message box
// opened during the work runs a message loop that keeps delivering timer
// ticks; a tick that arrives then must not start the work again.

namespace ov::monitor {

class ReentryGuard {
 public:
  // Runs work unless a run is already under way; returns whether it ran.
  template <typename Work>
  bool run(Work&& work) {
    if (busy_) return false;
    busy_ = true;
    const Release release{busy_};
    work();
    return true;
  }
  bool busy() const { return busy_; }

 private:
  // Frees the guard however the work ends.
  struct Release {
    bool& busy;
    ~Release() { busy = false; }
  };
  bool busy_ = false;
};

}  // namespace ov::monitor
