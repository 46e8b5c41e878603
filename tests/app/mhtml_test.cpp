#include "app/mhtml.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexorin {
namespace {

int HexDigit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// Reads quoted-printable text back; lines end in LF.
std::string DecodeQuotedPrintable(std::string_view encoded) {
  std::string out;
  for (size_t i = 0; i < encoded.size(); ++i) {
    if (encoded.substr(i, 3) == "=\r\n") {
      i += 2;
    } else if (encoded[i] == '=') {
      out += static_cast<char>(HexDigit(encoded[i + 1]) * 16 + HexDigit(encoded[i + 2]));
      i += 2;
    } else if (encoded.substr(i, 2) == "\r\n") {
      out += '\n';
      i += 1;
    } else {
      out += encoded[i];
    }
  }
  return out;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t end; (end = text.find("\r\n")) != std::string_view::npos; text.remove_prefix(end + 2)) {
    lines.push_back(text.substr(0, end));
  }
  lines.push_back(text);
  return lines;
}

TEST(QuotedPrintable, EncodesWhatIsNotPlainAscii) {
  struct Case {
    std::string_view text;
    std::string_view encoded;
  };
  const Case cases[] = {
      {"a=b", "a=3Db"},
      {"tiếng", "ti=E1=BA=BFng"},
      {"end \nnext\t", "end=20\r\nnext=09"},
      {"crlf\r\nkept\n", "crlf\r\nkept\r\n"},
      {"mid blank", "mid blank"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodeQuotedPrintable(c.text), c.encoded) << c.text;
}

TEST(QuotedPrintable, BreaksLongLinesSoftlyWithoutSplittingAnEscape) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "Từ điển ";
  text += "\n" + std::string(200, 'x') + "\n" + std::string(75, '=') + "\n";
  const std::string encoded = EncodeQuotedPrintable(text);
  for (const std::string_view line : Lines(encoded)) {
    EXPECT_LE(line.size(), 76u) << line;
    // A soft break is the only '=' that may end a line.
    const size_t equals = line.rfind('=');
    if (equals != std::string_view::npos) EXPECT_TRUE(equals == line.size() - 1 || equals + 3 <= line.size()) << line;
  }
  EXPECT_EQ(DecodeQuotedPrintable(encoded), text);
}

TEST(Mhtml, IsOneHtmlPartBetweenBoundaries) {
  const std::string html = "<html><body><p>Xin chào = Hello</p></body></html>\n";
  const std::string archive = MakeMhtml(html, "Lexorin FAQ", "https://lexorin.example/FAQ.html");
  const std::string boundary(kMhtmlBoundary);

  const size_t head = archive.find("\r\n\r\n");
  ASSERT_NE(head, std::string::npos);
  const std::string_view headers(archive.data(), head);
  EXPECT_NE(headers.find("MIME-Version: 1.0"), std::string_view::npos);
  EXPECT_NE(headers.find("Content-Type: multipart/related;"), std::string_view::npos);
  EXPECT_NE(headers.find("boundary=\"" + boundary + "\""), std::string_view::npos);

  const std::string open = "\r\n--" + boundary + "\r\n";
  const std::string close = "\r\n--" + boundary + "--\r\n";
  const size_t part = archive.find(open);
  ASSERT_NE(part, std::string::npos);
  ASSERT_TRUE(archive.ends_with(close));
  EXPECT_EQ(archive.find(boundary, part + open.size()), archive.size() - close.size() + 4) << "one part only";

  const std::string_view body(archive.data() + part + open.size(), archive.size() - close.size() - part - open.size());
  const size_t partHead = body.find("\r\n\r\n");
  ASSERT_NE(partHead, std::string_view::npos);
  const std::string_view partHeaders = body.substr(0, partHead);
  EXPECT_NE(partHeaders.find("Content-Type: text/html; charset=\"utf-8\""), std::string_view::npos);
  EXPECT_NE(partHeaders.find("Content-Transfer-Encoding: quoted-printable"), std::string_view::npos);
  EXPECT_NE(partHeaders.find("Content-Location: https://lexorin.example/FAQ.html"), std::string_view::npos);
  EXPECT_EQ(DecodeQuotedPrintable(body.substr(partHead + 4)), html);
}

}  // namespace
}  // namespace lexorin
