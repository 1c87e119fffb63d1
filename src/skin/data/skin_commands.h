#pragma once

#include <cstdint>
#include <type_traits>

#include "platform/message_target.h"
#include "platform/program_messages.h"

// The skin command message (SM_ALPHACMD): the command code in the high word
// of WParam (the low word an optional small argument), a payload in LParam,
// an answer in the result.
//
// Every command the program sends or answers is named here, with what its
// LParam carries and what it answers (TSkinCommandTraits). Senders build the
// message with MakeCommand<C> (or the window side's Send<C>/Perform<C>),
// receivers read it with CommandOf, PayloadOf<C> and answer with SetAnswer<C>;
// no other code converts a payload to or from LParam.
//
// A receiver's handler returns true when it has handled the command (the
// message goes no further down the window's chain) and false when it passes
// it on: to the next handler of the chain, and at the end to the window's own
// procedure. A command a receiver does not know is passed on. Where a handler
// acts and still passes the command on (scRemoveSkin, so that every layer of
// a window forgets the skin), it says so at its case.

// The window system's own types that payloads point to; only ever passed
// through here.
struct HDC__;
struct tagRECT;

namespace vorlan::ui {
class TApplication;
class TControl;
}  // namespace vorlan::ui

namespace vorlan::skin {

using platform::SM_ALPHACMD;
using platform::SM_INVALIDATE_ALL;

// A skin command is a plain message of the window system.
using TSkinMessage = platform::TPlainMessage;

class TSkinManager;
class TSkinCommonData;
class TSkinProvider;
class TSkMainWnd;
struct TSkBgRequest;
struct TFontOwnerQuery;
struct TSkOuterRequest;

enum TSkinCommand : std::uint16_t {
  scPrepareSkin = 1,
  scRemoveSkin = 2,
  scRefreshSkin = 3,
  scGetProvider = 4,
  scUpdateDone = 6,
  scIsSkinned = 7,
  scSetUpdating = 8,
  scGetSkinSection = 9,  // a control's own section index + 1
  scIsNotReady = 10,
  scGetHalfVisible = 11,
  scGetAdapter = 12,
  scSectionChanged = 13,
  scMenuRegionChanged = 14,  // a popup window is to take its region anew before its frame is drawn
  scSetSection = 15,
  scStopAnimation = 16,
  scBgChanged = 17,
  scInvalidate = 18,
  scChildMoved = 19,
  scRepaintIfMoved = 20,
  scGetBgColor = 21,
  scSetHalfVisible = 22,
  scPrepareCache = 23,
  scFreeRegion = 24,    // a button's stored window region is to be freed
  scControlAdded = 25,  // a windowed control announces itself to its form
  scGetSkinIndexInto = 26,
  scMouseEnter = 29,
  scMouseLeave = 30,
  scBeginUpdate = 31,
  scEndUpdate = 32,
  scResetCache = 33,
  scGetBackground = 34,
  scGetCtrlState = 36,
  scGetSkinData = 37,
  scSetPrintDC = 38,
  scPaintOuterEffect = 40,
  scChildMoveStarts = 51,
  scChildMoveEnds = 52,
  scFrameChanged = 53,
  scGetApplication = 60,
  scGetClientOffset = 61,  // OffsetX in the low word, OffsetY in the high word
  scRepaintFrameNow = 62,  // LParam 1: the background changed
  scSetKeptFlag = 63,      // a flag kept for other components
  scGetKeptFlag = 64,
  scSetTransparency = 65,  // LParam = the window's constant alpha
  scGetFontOwner = 66,
  scGetBorderWidth = 68,  // LParam = the answer when nothing better is known
  scGetBounds = 70,
  scPreviewSkin = 71,
};

// What a command carries in LParam (Payload) and what it answers (Answer).
// Commands not listed carry a plain integer (mostly 0) and answer one.
template <TSkinCommand C>
struct TSkinCommandTraits {
  using Payload = std::intptr_t;
  using Answer = std::intptr_t;
};

template <class P, class A = std::intptr_t>
struct TCommandTypes {
  using Payload = P;
  using Answer = A;
};

// The sending manager: a receiver acts only on its own manager's commands.
template <>
struct TSkinCommandTraits<scPrepareSkin> : TCommandTypes<const TSkinManager*> {};
template <>
struct TSkinCommandTraits<scRemoveSkin> : TCommandTypes<const TSkinManager*> {};
template <>
struct TSkinCommandTraits<scRefreshSkin> : TCommandTypes<const TSkinManager*> {};
template <>
struct TSkinCommandTraits<scStopAnimation> : TCommandTypes<const TSkinManager*> {};
// The manager, or the control itself when its hot tracking ends it.
template <>
struct TSkinCommandTraits<scMouseEnter> : TCommandTypes<const void*> {};
template <>
struct TSkinCommandTraits<scMouseLeave> : TCommandTypes<const void*> {};
// An upper-cased, zero-terminated section name.
template <>
struct TSkinCommandTraits<scSectionChanged> : TCommandTypes<const char16_t*> {};
template <>
struct TSkinCommandTraits<scSetSection> : TCommandTypes<const char16_t*> {};
// A menu window is told whether its region is to be set again.
template <>
struct TSkinCommandTraits<scSetUpdating> : TCommandTypes<int*> {};
template <>
struct TSkinCommandTraits<scControlAdded> : TCommandTypes<ui::TControl*> {};
template <>
struct TSkinCommandTraits<scGetSkinIndexInto> : TCommandTypes<TFontOwnerQuery*> {};
template <>
struct TSkinCommandTraits<scGetFontOwner> : TCommandTypes<TFontOwnerQuery*> {};
template <>
struct TSkinCommandTraits<scGetBackground> : TCommandTypes<TSkBgRequest*> {};
template <>
struct TSkinCommandTraits<scSetPrintDC> : TCommandTypes<HDC__*> {};
template <>
struct TSkinCommandTraits<scPaintOuterEffect> : TCommandTypes<TSkOuterRequest*> {};
template <>
struct TSkinCommandTraits<scGetBounds> : TCommandTypes<tagRECT*> {};
// Questions whose answer is an object of the receiver.
template <>
struct TSkinCommandTraits<scGetProvider> : TCommandTypes<std::intptr_t, TSkinProvider*> {};
template <>
struct TSkinCommandTraits<scGetAdapter> : TCommandTypes<std::intptr_t, TSkMainWnd*> {};
template <>
struct TSkinCommandTraits<scGetSkinData> : TCommandTypes<std::intptr_t, TSkinCommonData*> {};
template <>
struct TSkinCommandTraits<scGetApplication> : TCommandTypes<std::intptr_t, ui::TApplication*> {};

template <TSkinCommand C>
using TPayloadOf = typename TSkinCommandTraits<C>::Payload;
template <TSkinCommand C>
using TAnswerOf = typename TSkinCommandTraits<C>::Answer;

namespace detail {

template <class T>
std::intptr_t ToWord(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<std::intptr_t>(value);
  } else {
    return static_cast<std::intptr_t>(value);
  }
}

template <class T>
T FromWord(std::intptr_t word) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<T>(word);
  } else {
    return static_cast<T>(word);
  }
}

}  // namespace detail

// The command a message carries: the high word of its WParam.
template <class Message>
constexpr TSkinCommand CommandOf(const Message& message) {
  return static_cast<TSkinCommand>((static_cast<std::uintptr_t>(message.WParam) >> 16) & 0xFFFF);
}

// The small argument in the low word of WParam.
template <class Message>
constexpr std::uint16_t LowWordOf(const Message& message) {
  return static_cast<std::uint16_t>(static_cast<std::uintptr_t>(message.WParam) & 0xFFFF);
}

constexpr std::uintptr_t MakeSkinWParam(TSkinCommand command, std::uint16_t lowWord = 0) {
  return (static_cast<std::uintptr_t>(command) << 16) | lowWord;
}

inline TSkinMessage MakeSkinMessage(TSkinCommand command, std::intptr_t lparam, std::uint16_t lowWord = 0) {
  return {SM_ALPHACMD, MakeSkinWParam(command, lowWord), lparam};
}

// The command C with its payload, as the window system carries it.
template <TSkinCommand C>
TSkinMessage MakeCommand(TPayloadOf<C> payload = {}, std::uint16_t lowWord = 0) {
  return MakeSkinMessage(C, detail::ToWord(payload), lowWord);
}

// The LParam of command C as its payload.
template <TSkinCommand C>
std::intptr_t PayloadWord(TPayloadOf<C> payload) {
  return detail::ToWord(payload);
}

// The payload of a message known to carry command C.
template <TSkinCommand C, class Message>
TPayloadOf<C> PayloadOf(const Message& message) {
  return detail::FromWord<TPayloadOf<C>>(static_cast<std::intptr_t>(message.LParam));
}

// A receiver's answer to command C, and the answer read back by its sender.
template <TSkinCommand C, class Message>
void SetAnswer(Message& message, TAnswerOf<C> answer) {
  message.Result = static_cast<decltype(message.Result)>(detail::ToWord(answer));
}

template <TSkinCommand C>
TAnswerOf<C> AnswerOf(std::intptr_t result) {
  return detail::FromWord<TAnswerOf<C>>(result);
}

}  // namespace vorlan::skin
