# Writes the bytes of INPUT as the C++ array behind InternalSkinPackage().
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp
"// Generated from the internal skin package; do not edit.
#include \"skin/internal/internal_skin.h\"

namespace vorlan::skin {
namespace {
alignas(4) const std::uint8_t kPackage[${size}] = {
${bytes}
};
}  // namespace

std::span<const std::uint8_t> InternalSkinPackage() { return kPackage; }

}  // namespace vorlan::skin
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
