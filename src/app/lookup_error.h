#pragma once

#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/runtime_messages.h"

namespace vorlan::app {

// The lookup's own failures (the response is not what the program reads).
class LookupError : public Error {
 public:
  using Error::Error;
};

// The program's fixed messages of the lookup.
inline constexpr char16_t kNoJsonMessage[] = u"Текст не содержит JSON-данные";
inline constexpr char16_t kNoArrayMessage[] = u"Текст не содержит массив";
inline constexpr char16_t kNoArrayElementMessage[] = u"Не удалось получить элемент массива";
inline constexpr char16_t kInvalidTypecastMessage[] = u"Invalid class typecast";

using platform::InvalidIntegerMessage;

}  // namespace vorlan::app
