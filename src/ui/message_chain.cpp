#include "ui/message_chain.h"

#include <iterator>
#include <utility>

namespace vorlan::ui {
namespace chain_detail {

void TChainState::Remove(std::uint64_t id) noexcept {
  for (auto it = Entries.begin(); it != Entries.end(); ++it) {
    if (it->Id != id) continue;
    // A message under way may stand on this entry: it is skipped from now on
    // and erased once no message is under way.
    if (Depth > 0) {
      it->Removed = true;
    } else {
      Entries.erase(it);
    }
    return;
  }
}

namespace {

using TIterator = std::list<TChainEntry>::iterator;

void Step(TChainState& state, TIterator it, TMessage& message) {
  while (it != state.Entries.end() && it->Removed) ++it;
  if (it == state.Entries.end()) {
    if (state.Last) state.Last(message);
    return;
  }
  const auto next = [&state, it](TMessage& passed) { Step(state, std::next(it), passed); };
  // The entry stays in the list while a message is under way, so the
  // handler may unlink itself while it runs.
  it->Handler(message, TPassOn(next));
}

}  // namespace
}  // namespace chain_detail

TChainLink::TChainLink(TChainLink&& other) noexcept
    : chain_(std::move(other.chain_)), id_(std::exchange(other.id_, 0)) {}

TChainLink& TChainLink::operator=(TChainLink&& other) noexcept {
  if (this != &other) {
    Unlink();
    chain_ = std::move(other.chain_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

void TChainLink::Unlink() noexcept {
  if (const auto chain = chain_.lock()) chain->Remove(id_);
  chain_.reset();
  id_ = 0;
}

bool TChainLink::Linked() const noexcept {
  const auto chain = chain_.lock();
  if (!chain) return false;
  for (const auto& entry : chain->Entries) {
    if (entry.Id == id_) return !entry.Removed;
  }
  return false;
}

TMessageChain::TMessageChain(std::function<void(TMessage&)> last)
    : state_(std::make_shared<chain_detail::TChainState>()) {
  state_->Last = std::move(last);
}

TMessageChain::~TMessageChain() = default;

TChainLink TMessageChain::Add(TMessageHandler handler) {
  const std::uint64_t id = state_->NextId++;
  state_->Entries.push_front({id, std::move(handler), false});
  return TChainLink(state_, id);
}

void TMessageChain::Dispatch(TMessage& message) {
  // Held for the whole way: the chain's owner may go while its message runs.
  const std::shared_ptr<chain_detail::TChainState> state = state_;
  struct Under {
    chain_detail::TChainState& state;
    explicit Under(chain_detail::TChainState& s) : state(s) { ++state.Depth; }
    ~Under() {
      if (--state.Depth == 0) state.Entries.remove_if([](const auto& entry) { return entry.Removed; });
    }
  } under(*state);
  chain_detail::Step(*state, state->Entries.begin(), message);
}

std::size_t TMessageChain::Count() const {
  std::size_t count = 0;
  for (const auto& entry : state_->Entries) count += entry.Removed ? 0 : 1;
  return count;
}

}  // namespace vorlan::ui
