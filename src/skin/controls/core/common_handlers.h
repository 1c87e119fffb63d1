#pragma once

#include <functional>

#include "skin/controls/core/common_data.h"
#include "ui/control.h"
#include "ui/message_chain.h"

// The two handlers every skinned control runs before its own handling of a
// message, and the one way to put them in front of a control's chain.
namespace vorlan::skin {

// Window messages (and the skin command message); true = handled, stop.
bool CommonWndProc(ui::TMessage& message, TSkinCommonData& data);
// The skin command message; false = the control handles it too.
bool CommonSkinCommand(ui::TMessage& message, TSkinCommonData& data);

// A control class's own answers to skin commands (its section, its cache
// painting, pausing painting), asked before the common handling; true =
// answered.
using TSkinOwnCommands = std::function<bool(ui::TMessage& message)>;

// Puts the common handlers (after `own` for skin commands) in front of the
// control's message chain; they stay while the link lives. The data must
// outlive the link.
[[nodiscard]] ui::TChainLink HookSkinHandlers(ui::TControl& control, TSkinCommonData& data, TSkinOwnCommands own = {});

}  // namespace vorlan::skin
