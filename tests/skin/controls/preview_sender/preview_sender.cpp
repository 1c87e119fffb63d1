// A second process for the skin preview tests: sends skin preview records to
// a window with WM_COPYDATA, as a skin editor does.
//   skin_preview_sender HWND WPARAM SIZE MAGIC NAME DIR OPTIONS [NAME DIR OPTIONS]
// OPTIONS uses "|" for line breaks. Each further triple is sent after the
// answer to the one before. The exit code has bit n set when the window
// answered the n-th record with a value other than 0; 100 for bad arguments.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/data/preview_data.h"

namespace {

template <std::size_t N>
void Put(std::array<char, N>& field, const std::string& text) {
  std::copy_n(text.begin(), std::min(text.size(), N), field.begin());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorlan::skin;
  if (argc < 8 || (argc - 5) % 3 != 0) return 100;
  const auto window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(argv[1], nullptr, 0)));
  const auto wparam = static_cast<WPARAM>(std::strtoull(argv[2], nullptr, 0));
  const auto size = static_cast<std::size_t>(std::strtoull(argv[3], nullptr, 0));
  const auto magic = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 0));
  int answers = 0;
  for (int first = 5, n = 0; first + 2 < argc; first += 3, ++n) {
    TSkPreviewData record;
    record.Magic = magic;
    Put(record.SkinName, argv[first]);
    Put(record.SkinDir, argv[first + 1]);
    std::string options = argv[first + 2];
    std::string text;
    for (char c : options) text += c == '|' ? std::string("\r\n") : std::string(1, c);
    Put(record.Data, text);
    const auto bytes = PreviewDataBytes(record);
    std::vector<std::uint8_t> block(size, 0);
    std::copy_n(bytes.begin(), std::min(size, bytes.size()), block.begin());
    COPYDATASTRUCT copy{};
    copy.cbData = static_cast<DWORD>(block.size());
    copy.lpData = block.data();
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, WM_COPYDATA, wparam, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, 20000,
                            &result) &&
        result != 0) {
      answers |= 1 << n;
    }
  }
  return answers;
}
