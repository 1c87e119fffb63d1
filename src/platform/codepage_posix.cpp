#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "platform/codepage.h"
#include "platform/text.h"

namespace vorlan::platform {
namespace {

struct CodePageName {
  unsigned code_page;
  const char* iconv_name;
  bool single_byte;
};

// Windows code pages and the names glibc's iconv knows them by.
constexpr std::array kCodePages{
    CodePageName{37, "IBM037", true},          CodePageName{437, "CP437", true},
    CodePageName{500, "IBM500", true},         CodePageName{708, "ASMO-708", true},
    CodePageName{737, "CP737", true},          CodePageName{775, "CP775", true},
    CodePageName{850, "CP850", true},          CodePageName{852, "CP852", true},
    CodePageName{855, "CP855", true},          CodePageName{857, "CP857", true},
    CodePageName{858, "CP858", true},          CodePageName{860, "CP860", true},
    CodePageName{861, "CP861", true},          CodePageName{862, "CP862", true},
    CodePageName{863, "CP863", true},          CodePageName{864, "CP864", true},
    CodePageName{865, "CP865", true},          CodePageName{866, "CP866", true},
    CodePageName{869, "CP869", true},          CodePageName{870, "IBM870", true},
    CodePageName{874, "CP874", true},          CodePageName{875, "CP875", true},
    CodePageName{932, "CP932", false},         CodePageName{936, "CP936", false},
    CodePageName{949, "CP949", false},         CodePageName{950, "CP950", false},
    CodePageName{1026, "IBM1026", true},       CodePageName{1047, "IBM1047", true},
    CodePageName{1140, "IBM1140", true},       CodePageName{1141, "IBM1141", true},
    CodePageName{1142, "IBM1142", true},       CodePageName{1143, "IBM1143", true},
    CodePageName{1144, "IBM1144", true},       CodePageName{1145, "IBM1145", true},
    CodePageName{1146, "IBM1146", true},       CodePageName{1147, "IBM1147", true},
    CodePageName{1148, "IBM1148", true},       CodePageName{1149, "IBM1149", true},
    CodePageName{1250, "CP1250", true},        CodePageName{1251, "CP1251", true},
    CodePageName{1252, "CP1252", true},        CodePageName{1253, "CP1253", true},
    CodePageName{1254, "CP1254", true},        CodePageName{1255, "CP1255", true},
    CodePageName{1256, "CP1256", true},        CodePageName{1257, "CP1257", true},
    CodePageName{1258, "CP1258", true},        CodePageName{1361, "JOHAB", false},
    CodePageName{10000, "MACINTOSH", true},    CodePageName{10007, "MAC-CYRILLIC", true},
    CodePageName{10017, "MAC-UK", true},       CodePageName{10029, "MAC-CENTRALEUROPE", true},
    CodePageName{20273, "IBM273", true},       CodePageName{20277, "IBM277", true},
    CodePageName{20278, "IBM278", true},       CodePageName{20280, "IBM280", true},
    CodePageName{20284, "IBM284", true},       CodePageName{20285, "IBM285", true},
    CodePageName{20290, "IBM290", true},       CodePageName{20297, "IBM297", true},
    CodePageName{20420, "IBM420", true},       CodePageName{20423, "IBM423", true},
    CodePageName{20424, "IBM424", true},       CodePageName{20866, "KOI8-R", true},
    CodePageName{20871, "IBM871", true},       CodePageName{20880, "IBM880", true},
    CodePageName{20905, "IBM905", true},       CodePageName{20932, "EUC-JP", false},
    CodePageName{20936, "GB2312", false},      CodePageName{21025, "CP1025", true},
    CodePageName{21866, "KOI8-U", true},       CodePageName{28591, "ISO-8859-1", true},
    CodePageName{28592, "ISO-8859-2", true},   CodePageName{28593, "ISO-8859-3", true},
    CodePageName{28594, "ISO-8859-4", true},   CodePageName{28595, "ISO-8859-5", true},
    CodePageName{28596, "ISO-8859-6", true},   CodePageName{28597, "ISO-8859-7", true},
    CodePageName{28598, "ISO-8859-8", true},   CodePageName{28599, "ISO-8859-9", true},
    CodePageName{28603, "ISO-8859-13", true},  CodePageName{28605, "ISO-8859-15", true},
    CodePageName{38598, "ISO-8859-8", true},   CodePageName{50220, "ISO-2022-JP", false},
    CodePageName{50221, "ISO-2022-JP", false}, CodePageName{50222, "ISO-2022-JP", false},
    CodePageName{50225, "ISO-2022-KR", false}, CodePageName{51932, "EUC-JP", false},
    CodePageName{51936, "EUC-CN", false},      CodePageName{51949, "EUC-KR", false},
    CodePageName{54936, "GB18030", false},     CodePageName{65000, "UTF-7", false},
};

const CodePageName* FindCodePage(unsigned code_page) {
  const auto* found = std::find_if(kCodePages.begin(), kCodePages.end(),
                                   [code_page](const CodePageName& entry) { return entry.code_page == code_page; });
  return found == kCodePages.end() ? nullptr : &*found;
}

class Converter {
 public:
  explicit Converter(const char* from) : handle_(iconv_open("UTF-16LE", from)) {}
  ~Converter() {
    if (valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

void AppendUtf16Le(std::u16string& text, const char* bytes, size_t count) {
  for (size_t i = 0; i + 1 < count; i += 2) {
    text.push_back(
        static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  }
}

}  // namespace

std::optional<std::u16string> DecodeCodePage(std::string_view bytes, unsigned code_page) {
  const CodePageName* entry = FindCodePage(code_page);
  if (entry == nullptr) return std::nullopt;
  Converter converter(entry->iconv_name);
  if (!converter.valid()) return std::nullopt;

  std::u16string text;
  text.reserve(bytes.size());
  std::array<char, 8192> buffer{};
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  while (true) {
    char* out = buffer.data();
    size_t out_left = buffer.size();
    const size_t result = in_left == 0 ? iconv(converter.get(), nullptr, nullptr, &out, &out_left)
                                       : iconv(converter.get(), &in, &in_left, &out, &out_left);
    const int error = errno;
    AppendUtf16Le(text, buffer.data(), buffer.size() - out_left);
    if (result != static_cast<size_t>(-1)) {
      if (in_left == 0) {
        // The second pass with no input flushes a stateful decoder's shift state.
        if (out_left == buffer.size()) break;
        continue;
      }
      continue;
    }
    if (error == E2BIG) continue;
    if (error == EILSEQ) {
      // A byte the code page does not define: Windows gives the control
      // character of the same number for single-byte code pages.
      const auto byte = static_cast<unsigned char>(*in);
      text.push_back(entry->single_byte ? static_cast<char16_t>(byte) : kReplacementCharacter);
      ++in;
      --in_left;
      continue;
    }
    // EINVAL: a sequence cut off by the end of the input.
    text.push_back(kReplacementCharacter);
    break;
  }
  return text;
}

}  // namespace vorlan::platform
