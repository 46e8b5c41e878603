#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "hooklib/captured_word.h"

using namespace lexorin;
using namespace lexorin::hooklib;

namespace {

// A record that an earlier capture in the process has written to.
CaptureRecord recordWithEarlierWords() {
  CaptureRecord record{};
  std::memcpy(record.wideText, u"earlier", 8 * sizeof(char16_t));
  std::memcpy(record.narrowText, "older", 6);
  return record;
}

}  // namespace

TEST_CASE("a wide word fills the wide field and leaves the 8-bit one as it was") {
  CapturedWord word;
  std::wcscpy(word.wide, L"Ti\u1EBFng");
  word.length = 5;
  word.isWide = true;
  CaptureRecord record = recordWithEarlierWords();
  fillCaptureRecord(record, word);
  CHECK(capturedWideText(record) == u"Ti\u1EBFng");
  CHECK(record.length == 5);
  CHECK(record.wideFlag == 1);
  CHECK(capturedNarrowText(record) == "older");
  CHECK(record.padding[0] == 0);
}

TEST_CASE("an 8-bit word fills the 8-bit field and leaves the wide one as it was") {
  CapturedWord word;
  std::strcpy(word.narrow, "morning");
  word.length = 7;
  word.isWide = false;
  CaptureRecord record = recordWithEarlierWords();
  record.wideFlag = 1;
  fillCaptureRecord(record, word);
  CHECK(capturedNarrowText(record) == "morning");
  CHECK(record.length == 7);
  CHECK(record.wideFlag == 0);
  CHECK(capturedWideText(record) == u"earlier");
}

TEST_CASE("a full buffer fills the field with 255 characters and its terminator") {
  CapturedWord word;
  for (wchar_t& unit : word.wide) unit = L'a';  // no terminator at all
  word.length = 256;
  word.isWide = true;
  CaptureRecord record{};
  record.narrowText[0] = 'k';
  fillCaptureRecord(record, word);
  CHECK(record.length == 255);
  CHECK(record.wideText[255] == 0);
  CHECK(capturedWideText(record) == std::u16string(255, u'a'));
  CHECK(record.narrowText[0] == 'k');
}
