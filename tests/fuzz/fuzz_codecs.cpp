// The text codecs: Windows-1251 and CP866 bytes go to UTF-8 and back
// unchanged; any bytes taken as UTF-8 give valid UTF-16 and UTF-8, and cuts
// never split a character.
#include "platform/text/cp1251.h"
#include "platform/text/cp866.h"
#include "platform/text/utf16.h"
#include "platform/text/utf8.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  const std::string_view bytes = fuzz::textOf(data, size);
  fuzz::expect(utf8ToCp1251(cp1251ToUtf8(bytes)) == bytes);
  fuzz::expect(utf8ToCp866(cp866ToUtf8(bytes)) == bytes);

  const std::string utf8 = utf16ToUtf8(utf8ToUtf16(bytes));
  fuzz::expect(utf16ToUtf8(utf8ToUtf16(utf8)) == utf8);
  const std::size_t length = utf8Length(utf8);
  for (std::size_t n : {std::size_t{0}, length / 2, length, length + 1}) {
    const std::string cut = utf8Cut(utf8, n);
    fuzz::expect(utf8Length(cut) == std::min(n, length));
    fuzz::expect(utf8.compare(0, cut.size(), cut) == 0);
  }
  // Words of UTF-16 as they come, lone surrogates too.
  std::u16string words(size / 2, u'\0');
  for (std::size_t i = 0; i < words.size(); ++i)
    words[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  const std::string fromWords = utf16ToUtf8(words);
  fuzz::expect(utf16ToUtf8(utf8ToUtf16(fromWords)) == fromWords);
  return 0;
}
