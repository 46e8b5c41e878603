#include "app/mhtml.h"

namespace lexorin {
namespace {

constexpr size_t kMaxLine = 76;
constexpr char kHex[] = "0123456789ABCDEF";

bool Literal(unsigned char c) { return c >= 33 && c <= 126 && c != '='; }

void EncodeLine(std::string_view line, std::string& out) {
  size_t width = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    const bool last = i + 1 == line.size();
    // A blank survives a line end only when encoded.
    const bool plain = Literal(c) || ((c == ' ' || c == '\t') && !last);
    const size_t length = plain ? 1 : 3;
    // Room is kept for the soft break "=" unless this is the line's end.
    const size_t room = last ? kMaxLine : kMaxLine - 1;
    if (width + length > room) {
      out += "=\r\n";
      width = 0;
    }
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '=';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
    width += length;
  }
}

}  // namespace

std::string EncodeQuotedPrintable(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r' && end != std::string_view::npos) line.remove_suffix(1);
    EncodeLine(line, out);
    if (end == std::string_view::npos) break;
    out += "\r\n";
    text.remove_prefix(end + 1);
  }
  return out;
}

std::string MakeMhtml(std::string_view html, std::string_view subject, std::string_view location) {
  const std::string boundary(kMhtmlBoundary);
  std::string out;
  out += "From: <Saved by Lexorin>\r\n";
  out += "Subject: " + std::string(subject) + "\r\n";
  out += "MIME-Version: 1.0\r\n";
  out += "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"" + boundary + "\"\r\n";
  out += "\r\n";
  out += "--" + boundary + "\r\n";
  out += "Content-Type: text/html; charset=\"utf-8\"\r\n";
  out += "Content-Transfer-Encoding: quoted-printable\r\n";
  out += "Content-Location: " + std::string(location) + "\r\n";
  out += "\r\n";
  out += EncodeQuotedPrintable(html);
  if (!out.ends_with("\r\n")) out += "\r\n";
  out += "\r\n--" + boundary + "--\r\n";
  return out;
}

}  // namespace lexorin
