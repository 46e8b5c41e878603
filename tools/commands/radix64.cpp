// lexorin radix64: the numerals of the offset and length files.
#include <charconv>
#include <iostream>

#include "dictionary/radix64.h"
#include "tools/cli.h"

namespace lexorin::cli {
namespace {

uint32_t ParseNonNegative(const std::string& text) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    throw UsageError("not a number from 0 to 4294967295: " + text);
  }
  return value;
}

int RunRadix64(CommandContext& context) {
  if (context.args.size() < 2) throw UsageError("give encode or decode and at least one value");
  const std::string& mode = context.args[0];
  const std::vector<std::string> values(context.args.begin() + 1, context.args.end());
  if (mode == "encode") {
    std::vector<uint32_t> numbers;
    for (const std::string& value : values) numbers.push_back(ParseNonNegative(value));
    for (uint32_t n : numbers) std::cout << EncodeRadix64(n) << "\n";
  } else if (mode == "decode") {
    for (const std::string& value : values) std::cout << DecodeRadix64(value) << "\n";
  } else {
    throw UsageError("unknown mode " + mode);
  }
  return kSuccess;
}

const CommandRegistration kRadix64{"radix64", "radix64 encode N... | radix64 decode TEXT...", &RunRadix64};

}  // namespace
}  // namespace lexorin::cli
