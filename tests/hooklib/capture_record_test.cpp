#include <doctest/doctest.h>

#include <array>
#include <cstring>
#include <string>

#include "capture/capture_record.h"

using lexorin::CaptureRecord;

TEST_CASE("the record's fields sit at their wire offsets, little-endian") {
  CaptureRecord record{};
  record.wideText[0] = u'\u1EBF';
  record.wideText[255] = u'Z';
  record.narrowText[0] = 'b';
  record.narrowText[255] = 'y';
  record.length = 0x01020304;
  record.wideFlag = 1;
  std::array<unsigned char, 776> bytes{};
  static_assert(sizeof record == bytes.size());
  std::memcpy(bytes.data(), &record, bytes.size());
  CHECK(bytes[0] == 0xBF);
  CHECK(bytes[1] == 0x1E);
  CHECK(bytes[510] == 'Z');
  CHECK(bytes[512] == 'b');
  CHECK(bytes[767] == 'y');
  CHECK(bytes[768] == 0x04);
  CHECK(bytes[771] == 0x01);
  CHECK(bytes[772] == 1);
  CHECK(bytes[773] == 0);
  CHECK(bytes[775] == 0);
}

TEST_CASE("a receiver reads a field up to its NUL and never past the field") {
  CaptureRecord record{};
  std::memcpy(record.wideText, u"world\0junk", 11 * sizeof(char16_t));
  std::memcpy(record.narrowText, "morning\0junk", 12);
  CHECK(lexorin::capturedWideText(record) == u"world");
  CHECK(lexorin::capturedNarrowText(record) == "morning");

  // Fields without a terminator, followed by non-zero bytes.
  for (auto& unit : record.wideText) unit = u'w';
  std::memset(record.narrowText, 'n', sizeof record.narrowText);
  record.length = -1;
  record.wideFlag = 0xFF;
  CHECK(lexorin::capturedWideText(record) == std::u16string(256, u'w'));
  CHECK(lexorin::capturedNarrowText(record) == std::string(256, 'n'));
}
