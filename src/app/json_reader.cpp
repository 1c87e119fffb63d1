#include "app/json_reader.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <string>
#include <type_traits>
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

// A string character that stands for itself: no quote, no escape and
// nothing to decode (ASCII in UTF-8, no surrogate in UTF-16).
bool IsPlain(char c) { return c != '"' && c != '\\' && static_cast<unsigned char>(c) < 0x80; }
bool IsPlain(char16_t c) { return c != '"' && c != '\\' && !IsSurrogate(c); }

// A run of raw string characters. UTF-8 is decoded; UTF-16 is taken as it
// stands except that a lone surrogate becomes U+FFFD, as it would after a
// round trip through UTF-8.
void AppendRun(std::u16string& out, std::string_view run) { platform::AppendUtf8ToUtf16(out, run); }

void AppendRun(std::u16string& out, std::u16string_view run) {
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

// Values own nothing: the arena is released without running destructors.
static_assert(std::is_trivially_destructible_v<JsonValue> && std::is_trivially_destructible_v<JsonMember>);

// Recursive descent over UTF-8 bytes or UTF-16 code units (the program's
// text is read where it lies, without a conversion first). Every Read*
// leaves `pos_` just after what it read and returns false when the grammar
// is not met.
template <class Char>
class Reader {
 public:
  using Text = std::basic_string_view<Char>;
  Reader(Text text, std::pmr::memory_resource* arena) : text_(text), arena_(arena) {}

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
        std::u16string_view s;
        if (!ReadString(s)) return false;
        out = JsonValue(s);
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
  // copied into the arena at their exact count when the container closes.
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
        element_stack_.push_back(element);
        SkipBlanks();
        if (Expect(']')) break;
        if (!Expect(',')) return false;
      }
    }
    out = JsonValue(MoveToArena(element_stack_, first));
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
        std::u16string_view name;
        if (AtEnd() || Peek() != '"' || !ReadString(name)) return false;
        SkipBlanks();
        if (!Expect(':')) return false;
        SkipBlanks();
        JsonValue value;
        if (!ReadValue(value, depth)) return false;
        member_stack_.emplace_back(name, value);
        SkipBlanks();
        if (Expect('}')) break;
        if (!Expect(',')) return false;
      }
    }
    out = JsonValue(MoveToArena(member_stack_, first));
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
    out = JsonValue(JsonNumber{StoreAscii(text_.substr(start, pos_ - start))});
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
  bool ReadString(std::u16string_view& out) {
    ++pos_;  // opening quote
    const size_t start = pos_;
    while (!AtEnd() && IsPlain(Peek())) ++pos_;
    const Text plain = text_.substr(start, pos_ - start);
    if (!AtEnd() && Peek() == '"') {
      // The usual string: its characters are its text.
      ++pos_;
      out = StoreText(plain);
      return true;
    }
    decoded_.clear();
    AppendRun(decoded_, plain);
    if (!ReadRestOfString(decoded_)) return false;
    out = StoreText(std::u16string_view(decoded_));
    return true;
  }

  // From the first character that is not plain to the closing quote.
  bool ReadRestOfString(std::u16string& out) {
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

  template <class Item>
  Item* Allocate(size_t count) {
    return std::pmr::polymorphic_allocator<Item>(arena_).allocate(count);
  }

  // A copy in the arena of characters that are their own UTF-16 code units
  // (plain runs: ASCII bytes or UTF-16 without surrogates; decoded text).
  template <class From>
  std::u16string_view StoreText(std::basic_string_view<From> chars) {
    if (chars.empty()) return {};
    char16_t* copy = Allocate<char16_t>(chars.size());
    std::copy(chars.begin(), chars.end(), copy);
    return {copy, chars.size()};
  }

  // A number's written form; the grammar admits only ASCII there, so
  // narrowing keeps every character.
  std::string_view StoreAscii(Text chars) {
    char* copy = Allocate<char>(chars.size());
    std::transform(chars.begin(), chars.end(), copy, [](Char c) { return static_cast<char>(c); });
    return {copy, chars.size()};
  }

  // The items of the container that closes, from `first` on, taken off the stack.
  template <class Item>
  JsonValue::Run<Item> MoveToArena(std::vector<Item>& stack, size_t first) {
    const size_t count = stack.size() - first;
    if (count == 0) return {};
    Item* copy = Allocate<Item>(count);
    std::uninitialized_copy(stack.begin() + static_cast<std::ptrdiff_t>(first), stack.end(), copy);
    stack.resize(first);
    return {copy, count};
  }

  Text text_;
  size_t pos_ = 0;
  std::pmr::memory_resource* arena_;
  // Scratch space, reused for every container and escaped string.
  std::vector<JsonValue> element_stack_;
  std::vector<JsonMember> member_stack_;
  std::u16string decoded_;
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
