#pragma once
#include <string>
#include <string_view>

namespace lexorin {

// Quoted-printable text: lines of the input (ended by LF or CR LF) become
// lines ended by CR LF, no encoded line is longer than 76 characters, and
// every byte outside printable ASCII, '=' and blanks before a line end are
// written as =XX.
std::string EncodeQuotedPrintable(std::string_view text);

// A web archive of one HTML page that browsers open: a MIME multipart/related
// message whose one part is the page, UTF-8, quoted-printable. `location` is
// the URL the page claims; `subject` is plain ASCII.
std::string MakeMhtml(std::string_view html, std::string_view subject, std::string_view location);

// The separator between the parts of every archive MakeMhtml writes. It
// contains "=_", which quoted-printable text never does.
inline constexpr std::string_view kMhtmlBoundary = "----=_NextPart_Lexorin_Document";

}  // namespace lexorin
