#pragma once

#include <memory>
#include <string>
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
};

// A part of a form. The owner keeps its components in creation order and
// frees them, the last created first. Settings start at their defaults; the
// owner's layout changes those that differ and then calls Loaded on each.
class TComponent : public TObject {
 public:
  TComponent() = default;
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::u16string& Name() const { return name_; }
  void SetName(std::u16string name) { name_ = std::move(name); }

  // Creates a component owned by this one.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto component = std::make_unique<T>(std::forward<Args>(args)...);
    T& added = *component;
    Adopt(std::move(component));
    return added;
  }

  const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
  TComponent* FindComponent(std::u16string_view name) const;

  bool IsLoading() const { return loading_; }
  // Marks this component and every owned one as being read from a layout.
  void BeginLoading();
  // Ends loading: Loaded on every owned component in creation order, then
  // on this one.
  void EndLoading();

 protected:
  // Called once the layout's settings are all in place.
  virtual void Loaded() {}
  // Frees the owned components, the last created first.
  void DestroyComponents();

 private:
  void Adopt(std::unique_ptr<TComponent> component);

  TComponent* owner_ = nullptr;  // borrowed: the owner outlives us
  std::u16string name_;
  bool loading_ = false;
  std::vector<std::unique_ptr<TComponent>> components_;
};

}  // namespace vorlan::ui
