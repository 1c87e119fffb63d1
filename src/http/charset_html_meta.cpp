#include <map>

#include "http/charset.h"
#include "platform/ascii.h"

// The meta elements of an HTML body, read as 8-bit text. Comments,
// declarations, processing instructions and the text of title, script and
// style elements are skipped, so markup quoted there is not taken for real.
namespace vorlan::http {
namespace {

using platform::AsciiLower;
using platform::IsMarkupSpace;
using platform::StartsWithIgnoreCase;
using platform::TrimMarkupSpace;

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsRawTextElement(std::string_view name) {
  return name == "title" || name == "script" || name == "style" || name == "textarea";
}

struct Tag {
  std::string name;                               // lower case
  std::map<std::string, std::string> attributes;  // names lower case; the first of a name wins
  bool self_closing = false;
  size_t end = 0;  // position after the ">"
};

class MetaScanner {
 public:
  explicit MetaScanner(std::string_view body) : body_(body) {}

  std::vector<std::pair<std::string, std::string>> Scan() {
    size_t pos = 0;
    while ((pos = body_.find('<', pos)) != std::string_view::npos) {
      const std::string_view rest = body_.substr(pos);
      if (rest.starts_with("<!--")) {
        pos = SkipPast(pos + 2, "-->");
      } else if (rest.starts_with("<!") || rest.starts_with("<?") || rest.starts_with("</")) {
        pos = SkipPast(pos + 2, ">");
      } else if (rest.size() > 1 && IsAsciiLetter(rest[1])) {
        const Tag tag = ReadTag(pos + 1);
        if (tag.name == "meta") TakeMeta(tag);
        pos = tag.end;
        if (IsRawTextElement(tag.name) && !tag.self_closing) pos = FindEndTag(pos, tag.name);
      } else {
        ++pos;
      }
    }
    return std::move(fields_);
  }

 private:
  size_t SkipPast(size_t from, std::string_view terminator) const {
    const size_t found = body_.find(terminator, from);
    return found == std::string_view::npos ? body_.size() : found + terminator.size();
  }

  // The start of "</name" that closes a raw text element.
  size_t FindEndTag(size_t from, std::string_view name) const {
    for (size_t pos = body_.find("</", from); pos != std::string_view::npos; pos = body_.find("</", pos + 2)) {
      const std::string_view rest = body_.substr(pos + 2);
      if (!StartsWithIgnoreCase(rest, name)) continue;
      if (rest.size() == name.size()) return body_.size();
      const char after = rest[name.size()];
      if (IsMarkupSpace(after) || after == '/' || after == '>') return pos;
    }
    return body_.size();
  }

  Tag ReadTag(size_t pos) const {
    Tag tag;
    while (pos < body_.size() && !IsMarkupSpace(body_[pos]) && body_[pos] != '/' && body_[pos] != '>') {
      tag.name.push_back(AsciiLower(body_[pos++]));
    }
    while (pos < body_.size()) {
      const char c = body_[pos];
      if (c == '>') {
        tag.end = pos + 1;
        return tag;
      }
      if (IsMarkupSpace(c) || c == '/') {
        tag.self_closing = c == '/';
        ++pos;
        continue;
      }
      tag.self_closing = false;
      pos = ReadAttribute(pos, tag);
    }
    tag.end = body_.size();
    return tag;
  }

  size_t ReadAttribute(size_t pos, Tag& tag) const {
    std::string name;
    do {
      name.push_back(AsciiLower(body_[pos++]));
    } while (pos < body_.size() && !IsMarkupSpace(body_[pos]) && body_[pos] != '/' && body_[pos] != '>' &&
             body_[pos] != '=');
    size_t after_name = pos;
    while (after_name < body_.size() && IsMarkupSpace(body_[after_name])) ++after_name;
    std::string value;
    if (after_name < body_.size() && body_[after_name] == '=') {
      pos = after_name + 1;
      while (pos < body_.size() && IsMarkupSpace(body_[pos])) ++pos;
      if (pos < body_.size() && (body_[pos] == '"' || body_[pos] == '\'')) {
        const char quote = body_[pos];
        const size_t end = body_.find(quote, pos + 1);
        const size_t stop = end == std::string_view::npos ? body_.size() : end;
        value.assign(body_.substr(pos + 1, stop - pos - 1));
        pos = end == std::string_view::npos ? body_.size() : end + 1;
      } else {
        const size_t start = pos;
        while (pos < body_.size() && !IsMarkupSpace(body_[pos]) && body_[pos] != '>') ++pos;
        value.assign(body_.substr(start, pos - start));
      }
    }
    tag.attributes.emplace(std::move(name), std::move(value));
    return pos;
  }

  void TakeMeta(const Tag& tag) {
    const auto http_equiv = tag.attributes.find("http-equiv");
    const auto content = tag.attributes.find("content");
    if (http_equiv != tag.attributes.end() && content != tag.attributes.end()) {
      fields_.emplace_back(std::string(TrimMarkupSpace(http_equiv->second)),
                           std::string(TrimMarkupSpace(content->second)));
    }
    const auto charset = tag.attributes.find("charset");
    if (charset != tag.attributes.end()) {
      fields_.emplace_back("Content-Type",
                           "text/html; charset=\"" + std::string(TrimMarkupSpace(charset->second)) + "\"");
    }
  }

  std::string_view body_;
  std::vector<std::pair<std::string, std::string>> fields_;
};

}  // namespace

std::vector<std::pair<std::string, std::string>> ScanHtmlMeta(std::string_view body) {
  return MetaScanner(body).Scan();
}

}  // namespace vorlan::http
