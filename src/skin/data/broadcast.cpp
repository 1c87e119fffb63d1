#include "skin/data/broadcast.h"

namespace vorlan::skin {

namespace {

ISkinWindowSystem* g_window_system = nullptr;

bool AnswersSkinned(ISkinControl& control) {
  return control.HasWindow() && control.Send(MakeSkinMessage(scIsSkinned, 0)) == 1;
}

void Deliver(ISkinControl& control, const TSkinMessage& message) {
  if (control.HasWindow()) {
    control.Send(message);
  } else {
    control.Dispatch(message);
  }
}

void SendToChildren(ISkinControl& parent, const TSkinMessage& message) {
  for (ISkinControl* child : parent.Children()) {
    if (!child->HasWindow()) {
      child->Dispatch(message);
    } else if (AnswersSkinned(*child)) {
      child->Send(message);  // it passes the message on to its own children
    } else {
      SendToChildren(*child, message);
    }
  }
}

}  // namespace

void SendToFormAndControls(ISkinForm& form, const TSkinMessage& message) {
  Deliver(form, message);
  SendToChildren(form, message);
  if (ISkinControl* client = form.MdiClient()) Deliver(*client, message);
}

void BroadcastSkinMessage(ISkinWindowSystem& system, const TSkinMessage& message) {
  const std::vector<ISkinForm*> forms = system.ApplicationForms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    ISkinForm& form = **it;
    if (form.IsMdiChild() || form.IsDestroying() || form.IsLoading()) continue;
    if (AnswersSkinned(form)) continue;  // reached through its provider below
    SendToFormAndControls(form, message);
  }
  for (ISkinForm* form : system.ProviderForms()) {
    if (!form->IsDestroying()) SendToFormAndControls(*form, message);
  }
  for (ISkinForeignWindow* window : system.HookedWindows()) {
    if (window->IsVisible()) window->Send(message);
  }
}

ISkinWindowSystem* SkinWindowSystem() { return g_window_system; }
void SetSkinWindowSystem(ISkinWindowSystem* system) { g_window_system = system; }

}  // namespace vorlan::skin
