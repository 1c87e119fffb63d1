#include "ui/component.h"

#include <utility>

#include "ui/window_proc.h"

namespace vorlan::ui {

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::Adopt(std::unique_ptr<TComponent> component) {
  component->owner_ = this;
  component->loading_ = loading_;
  components_.push_back(std::move(component));
}

TComponent* TComponent::FindComponent(std::u16string_view name) const {
  for (const auto& component : components_) {
    if (component->name_ == name) return component.get();
  }
  return nullptr;
}

void TComponent::BeginLoading() {
  loading_ = true;
  for (const auto& component : components_) component->BeginLoading();
}

void TComponent::EndLoading() {
  for (const auto& component : components_) component->EndLoading();
  loading_ = false;
  Loaded();
}

void TComponent::Free() noexcept {
  if (std::exchange(freeing_, true)) return;
  try {
    BeforeDestruction();
  } catch (...) {
    ReportEscapedError();
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    // Detach first so that a component looking at its owner's list while it
    // is destroyed never sees itself.
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last->Free();
    last.reset();
  }
}

}  // namespace vorlan::ui
