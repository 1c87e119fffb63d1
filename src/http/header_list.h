#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "http/http_limits.h"

// Ordered header lines "Name: value". Lines beginning with a space or a tab
// continue the line before them.
namespace vorlan::http {

class THeaderList {
 public:
  // Replaces the first field of that name (letter case ignored) in place, or
  // appends one; an empty value removes the field.
  void Set(std::string_view name, std::string_view value);
  // Always appends.
  void Add(std::string_view name, std::string_view value);
  // One line as received (response headers).
  void AddRaw(std::string line) { lines_.push_back(std::move(line)); }
  void Clear() { lines_.clear(); }

  // The first field of that name: the text after its ":" trimmed, with each
  // continuation line trimmed and appended after one space.
  std::optional<std::string> Value(std::string_view name) const;
  // Every field of that name, in order.
  std::vector<std::string> Values(std::string_view name) const;

  const std::vector<std::string>& Lines() const { return lines_; }
  size_t size() const { return lines_.size(); }

 private:
  // Index of the first line of the field named `name`, or lines_.size().
  size_t Find(std::string_view name, size_t from = 0) const;
  // Index after the field starting at `index` (its continuation lines).
  size_t FieldEnd(size_t index) const;
  std::string FieldValue(size_t index) const;

  std::vector<std::string> lines_;
};

// A header line broken into lines of at most `width` characters after spaces,
// tabs or commas outside double-quoted parts; continuation lines begin with a
// space. A line with no such place stays whole.
std::vector<std::string> FoldHeaderLine(std::string_view line, size_t width = kHeaderFoldWidth);

}  // namespace vorlan::http
