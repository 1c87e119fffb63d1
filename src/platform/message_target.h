#pragma once

#include <cstdint>
#include <vector>

// Windows and controls as seen from outside the window framework: things that
// take a plain message, by a direct call or through their window, and have
// children. The framework's controls and forms are such targets; whoever
// broadcasts to every window of the process reaches them through this view.
namespace vorlan::platform {

// A message as the window system carries it, without its answer.
struct TPlainMessage {
  std::uint32_t Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
};

class IMessageTarget {
 public:
  virtual ~IMessageTarget() = default;
  // A windowed target whose window exists.
  virtual bool HasWindow() const = 0;
  // Sends the message to the target's window; its answer.
  virtual std::intptr_t Send(const TPlainMessage& message) = 0;
  // Delivers the message by a direct call (windowless targets, or windowed
  // ones whose window does not exist yet); the target's answer.
  virtual std::intptr_t Dispatch(const TPlainMessage& message) = 0;
  // Child targets in their parent's order; borrowed.
  virtual std::vector<IMessageTarget*> Children() = 0;
};

// A top-level form and the states a broadcast asks it about.
class IFormTarget : public virtual IMessageTarget {
 public:
  virtual bool IsMdiChild() const = 0;
  virtual bool IsDestroying() const = 0;
  virtual bool IsLoading() const = 0;
  // The MDI client window of an MDI main form, none otherwise.
  virtual IMessageTarget* MdiClient() = 0;
  virtual bool IsVisible() const = 0;
};

}  // namespace vorlan::platform
