#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <memory>

#include "ui/types.h"

// A control's message chain: handlers in front of the class's own handling,
// each kept by a link that takes it out again when the link goes. Links may
// go in any order, also while a message is on its way through the chain.
namespace vorlan::ui {

namespace chain_detail {
struct TChainState;
}

// Keeps one handler in a chain; move-only. The handler leaves the chain when
// the link is destroyed or Unlink is called, or never runs again once the
// chain itself is gone.
class TChainLink {
 public:
  TChainLink() noexcept = default;
  TChainLink(TChainLink&& other) noexcept;
  TChainLink& operator=(TChainLink&& other) noexcept;
  TChainLink(const TChainLink&) = delete;
  TChainLink& operator=(const TChainLink&) = delete;
  ~TChainLink() { Unlink(); }

  void Unlink() noexcept;
  bool Linked() const noexcept;

 private:
  friend class TMessageChain;
  TChainLink(std::weak_ptr<chain_detail::TChainState> chain, std::uint64_t id) noexcept
      : chain_(std::move(chain)), id_(id) {}

  std::weak_ptr<chain_detail::TChainState> chain_;
  std::uint64_t id_ = 0;
};

class TMessageChain {
 public:
  // `last` handles what every handler passed on (the class's own handling).
  explicit TMessageChain(std::function<void(TMessage&)> last);
  TMessageChain(const TMessageChain&) = delete;
  TMessageChain& operator=(const TMessageChain&) = delete;
  ~TMessageChain();

  // Puts a handler in front of every handler already there; it stays while
  // the returned link lives.
  [[nodiscard]] TChainLink Add(TMessageHandler handler);

  // Runs the message through the handlers, newest first, then `last`. A
  // handler added meanwhile sees the next message; one unlinked meanwhile
  // sees no more.
  void Dispatch(TMessage& message);

  // Handlers linked now.
  std::size_t Count() const;

 private:
  std::shared_ptr<chain_detail::TChainState> state_;
};

namespace chain_detail {

struct TChainEntry {
  std::uint64_t Id = 0;
  TMessageHandler Handler;
  bool Removed = false;
};

struct TChainState {
  std::list<TChainEntry> Entries;  // first runs first
  std::function<void(TMessage&)> Last;
  std::uint64_t NextId = 1;
  int Depth = 0;  // messages under way: removed entries stay until none is
  void Remove(std::uint64_t id) noexcept;
};

}  // namespace chain_detail

}  // namespace vorlan::ui
