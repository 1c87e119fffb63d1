#include "app/json_reader.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <memory_resource>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace vorlan::app {
namespace {

bool IsBlank(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// A run of raw string characters. UTF-8 is decoded; UTF-16 is taken as it
// stands except that a lone surrogate becomes U+FFFD, as it would after a
// round trip through UTF-8.
void AppendRun(JsonString& out, std::string_view run) { platform::AppendUtf8ToUtf16(out, run); }

void AppendRun(JsonString& out, std::u16string_view run) {
  size_t done = 0;
  for (size_t i = 0; i < run.size(); ++i) {
    if (!IsSurrogate(run[i])) continue;
    const bool paired = run[i] <= 0xDBFF && i + 1 < run.size() && run[i + 1] >= 0xDC00 && run[i + 1] <= 0xDFFF;
    if (paired) {
      ++i;
      continue;
    }
    out.append(run.substr(done, i - done));
    out.push_back(platform::kReplacementCharacter);
    done = i + 1;
  }
  out.append(run.substr(done));
}

// The byte order mark in either form.
bool StartsWithByteOrderMark(std::string_view text) { return text.starts_with("\xEF\xBB\xBF"); }
bool StartsWithByteOrderMark(std::u16string_view text) { return text.starts_with(u'\uFEFF'); }

// Recursive descent over UTF-8 bytes or UTF-16 code units (the program's
// text is read where it lies, without a conversion first). Every Read*
// leaves `pos_` just after what it read and returns false when the grammar
// is not met.
template <class Char>
class Reader {
 public:
  using Text = std::basic_string_view<Char>;
  Reader(Text text, std::pmr::memory_resource* arena)
      : text_(text), arena_(arena), element_stack_(arena), member_stack_(arena) {}

  std::optional<JsonValue> ReadDocument() {
    if (StartsWithByteOrderMark(text_)) pos_ = std::is_same_v<Char, char16_t> ? 1 : 3;
    SkipBlanks();
    JsonValue value;
    if (!ReadValue(value, 0)) return std::nullopt;
    if (value.IsArray() || value.IsObject()) SkipBlanks();
    if (pos_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  Char Peek() const { return text_[pos_]; }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Peek())) ++pos_;
  }

  bool Expect(char c) {
    if (AtEnd() || Peek() != c) return false;
    ++pos_;
    return true;
  }

  bool ReadLiteral(std::string_view word) {
    if (text_.size() - pos_ < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
      if (text_[pos_ + i] != static_cast<Char>(word[i])) return false;
    }
    pos_ += word.size();
    return true;
  }

  bool ReadValue(JsonValue& out, int depth) {
    if (AtEnd()) return false;
    switch (Peek()) {
      case '{':
        return ReadObject(out, depth + 1);
      case '[':
        return ReadArray(out, depth + 1);
      case '"': {
        JsonString s(arena_);
        if (!ReadString(s)) return false;
        out = JsonValue(std::move(s));
        return true;
      }
      case 't':
        out = JsonValue(true);
        return ReadLiteral("true");
      case 'f':
        out = JsonValue(false);
        return ReadLiteral("false");
      case 'n':
        out = JsonValue(JsonNull{});
        return ReadLiteral("null");
      default:
        return ReadNumber(out);
    }
  }

  // Elements and members are gathered on one scratch stack per kind and
  // moved into a container of the exact size when it closes: one
  // allocation per container instead of one per growth step.
  bool ReadArray(JsonValue& out, int depth) {
    if (depth > kMaxJsonNesting) return false;
    ++pos_;  // '['
    const size_t first = element_stack_.size();
    SkipBlanks();
    if (!Expect(']')) {
      for (;;) {
        SkipBlanks();
        // Nested containers use the stack too: read into a local first.
        JsonValue element;
        if (!ReadValue(element, depth)) return false;
        element_stack_.push_back(std::move(element));
        SkipBlanks();
        if (Expect(']')) break;
        if (!Expect(',')) return false;
      }
    }
    const auto begin = element_stack_.begin() + static_cast<std::ptrdiff_t>(first);
    JsonArray elements(std::make_move_iterator(begin), std::make_move_iterator(element_stack_.end()), arena_);
    element_stack_.erase(begin, element_stack_.end());
    out = JsonValue(std::move(elements));
    return true;
  }

  bool ReadObject(JsonValue& out, int depth) {
    if (depth > kMaxJsonNesting) return false;
    ++pos_;  // '{'
    const size_t first = member_stack_.size();
    SkipBlanks();
    if (!Expect('}')) {
      for (;;) {
        SkipBlanks();
        auto& member = member_stack_.emplace_back();
        if (AtEnd() || Peek() != '"' || !ReadString(member.first)) return false;
        SkipBlanks();
        if (!Expect(':')) return false;
        SkipBlanks();
        // Nested objects push and pop above this member, which may move it.
        JsonValue value;
        if (!ReadValue(value, depth)) return false;
        member_stack_.back().second = std::move(value);
        SkipBlanks();
        if (Expect('}')) break;
        if (!Expect(',')) return false;
      }
    }
    const auto begin = member_stack_.begin() + static_cast<std::ptrdiff_t>(first);
    JsonObject members(std::make_move_iterator(begin), std::make_move_iterator(member_stack_.end()), arena_);
    member_stack_.erase(begin, member_stack_.end());
    out = JsonValue(std::move(members));
    return true;
  }

  // RFC 4627: -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
  bool ReadNumber(JsonValue& out) {
    const size_t start = pos_;
    Expect('-');
    if (AtEnd() || !IsDigit(Peek())) return false;
    if (Peek() == '0') {
      ++pos_;
    } else {
      SkipDigits();
    }
    if (Expect('.') && !ReadDigits()) return false;
    if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
      ++pos_;
      if (!AtEnd() && (Peek() == '+' || Peek() == '-')) ++pos_;
      if (!ReadDigits()) return false;
    }
    // The grammar admits only ASCII here, so narrowing keeps every character.
    std::string written(pos_ - start, '\0');
    for (size_t i = start; i < pos_; ++i) written[i - start] = static_cast<char>(text_[i]);
    out = JsonValue(JsonNumber{std::move(written)});
    return true;
  }

  void SkipDigits() {
    while (!AtEnd() && IsDigit(Peek())) ++pos_;
  }

  bool ReadDigits() {
    const size_t start = pos_;
    SkipDigits();
    return pos_ > start;
  }

  // Escapes \" \\ \/ \b \f \n \r \t and \uXXXX; every other byte is taken
  // as it is.
  bool ReadString(JsonString& out) {
    ++pos_;  // opening quote
    for (;;) {
      const size_t run_start = pos_;
      while (!AtEnd() && Peek() != '"' && Peek() != '\\') ++pos_;
      AppendRun(out, text_.substr(run_start, pos_ - run_start));
      if (AtEnd()) return false;
      if (Peek() == '"') {
        ++pos_;
        return true;
      }
      ++pos_;  // backslash
      if (AtEnd()) return false;
      const Char escape = text_[pos_++];
      switch (escape) {
        case '"':
        case '\\':
        case '/':
          out.push_back(static_cast<char16_t>(escape));
          break;
        case 'b':
          out.push_back(u'\b');
          break;
        case 'f':
          out.push_back(u'\f');
          break;
        case 'n':
          out.push_back(u'\n');
          break;
        case 'r':
          out.push_back(u'\r');
          break;
        case 't':
          out.push_back(u'\t');
          break;
        case 'u': {
          char16_t unit = 0;
          if (!ReadHexUnit(unit)) return false;
          out.push_back(unit);
          break;
        }
        default:
          return false;
      }
    }
  }

  bool ReadHexUnit(char16_t& unit) {
    if (text_.size() - pos_ < 4) return false;
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const int digit = HexDigitValue(text_[pos_ + i]);
      if (digit < 0) return false;
      value = value * 16 + static_cast<uint32_t>(digit);
    }
    pos_ += 4;
    unit = static_cast<char16_t>(value);
    return true;
  }

  Text text_;
  size_t pos_ = 0;
  std::pmr::memory_resource* arena_;
  // Scratch stacks in the same arena, so that moving out of them steals.
  std::pmr::vector<JsonValue> element_stack_;
  JsonObject member_stack_;
};

template <class Char>
JsonDocument Parse(std::basic_string_view<Char> text) {
  // A first block sized from the text: a catalogue answer then needs few more.
  const size_t first_block = std::max<size_t>(1024, text.size() * sizeof(Char) * 2);
  auto arena = std::make_unique<std::pmr::monotonic_buffer_resource>(first_block);
  std::optional<JsonValue> root = Reader<Char>(text, arena.get()).ReadDocument();
  if (!root) return {};
  return JsonDocument(std::move(arena), std::move(*root));
}

}  // namespace

JsonDocument ParseJsonUtf8(std::string_view utf8) { return Parse(utf8); }

JsonDocument ParseJson(std::u16string_view text) { return Parse(text); }

}  // namespace vorlan::app
