// ScopedHostState: a host singleton's state changed for one scope and put
// back, whatever changed it in between, when the scope ends.
#pragma once

#include <utility>

// `Host` is a host singleton with a value type `State` holding everything it
// keeps, read by CurrentState() and replaced as a whole by ApplyState().
template <typename Host>
class ScopedHostState {
 public:
  // Keeps the current state; the scope may then change the host freely.
  explicit ScopedHostState(Host& host) : host_(host), saved_(host.CurrentState()) {}
  // Keeps the current state and applies `state` for the scope.
  ScopedHostState(Host& host, typename Host::State state) : ScopedHostState(host) {
    host_.ApplyState(std::move(state));
  }
  ~ScopedHostState() { host_.ApplyState(std::move(saved_)); }
  ScopedHostState(const ScopedHostState&) = delete;
  ScopedHostState& operator=(const ScopedHostState&) = delete;

 private:
  Host& host_;
  typename Host::State saved_;
};
