#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/types.h"

namespace vorlan::ui {

// Root of everything that can be the sender of an event.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class's name as the skin's adapters look it up ("TButton", "TMemo");
  // every framework class answers its own.
  virtual std::u16string_view ClassName() const { return u"TObject"; }
};

// A part of a form. The owner keeps its components in creation order and
// frees them, the last created first. Settings start at their defaults; the
// owner's layout changes those that differ and then calls Loaded on each.
//
// Freeing runs BeforeDestruction while the object is still whole (its
// window goes there, with every class's message handling still in place),
// then the destructors; so no class has to undo such things in its own
// destructor. Owners free their components this way, and a component owned
// by no other one is held in a TOwned.
class TComponent : public TObject {
 public:
  TComponent() = default;
  ~TComponent() override;
  std::u16string_view ClassName() const override { return u"TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::u16string& Name() const { return name_; }
  void SetName(std::u16string name) { name_ = std::move(name); }
  // A free number for the program's own use (the skin reads bit 256: no adapter).
  std::intptr_t Tag = 0;

  // Creates a component owned by this one.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto component = std::make_unique<T>(std::forward<Args>(args)...);
    T& added = *component;
    Adopt(std::move(component));
    return added;
  }

  const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }

  // The first step of freeing, while the object is still whole; runs once.
  void Free() noexcept;
  TComponent* FindComponent(std::u16string_view name) const;

  bool IsLoading() const { return loading_; }
  // Freeing has begun (BeforeDestruction ran or is running).
  bool IsDestroying() const { return freeing_; }
  // Marks this component and every owned one as being read from a layout.
  void BeginLoading();
  // Ends loading: Loaded on every owned component in creation order, then
  // on this one.
  void EndLoading();

 protected:
  // Called once the layout's settings are all in place.
  virtual void Loaded() {}
  // Undoes what needs the whole object (the window); overrides call the base
  // last. Errors here are reported, never thrown.
  virtual void BeforeDestruction() {}
  // Frees the owned components, the last created first.
  void DestroyComponents();

 private:
  void Adopt(std::unique_ptr<TComponent> component);

  TComponent* owner_ = nullptr;  // borrowed: the owner outlives us
  std::u16string name_;
  bool loading_ = false;
  bool freeing_ = false;
  std::vector<std::unique_ptr<TComponent>> components_;
};

// Frees a component the way owners do (BeforeDestruction, then delete).
struct TFreeComponent {
  void operator()(TComponent* component) const noexcept {
    component->Free();
    std::default_delete<TComponent>()(component);
  }
};

// A component owned by no other component (the main form, a test's control).
template <class T>
using TOwned = std::unique_ptr<T, TFreeComponent>;

template <class T, class... Args>
TOwned<T> MakeOwned(Args&&... args) {
  return TOwned<T>(std::make_unique<T>(std::forward<Args>(args)...).release());
}

}  // namespace vorlan::ui
