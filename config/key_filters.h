// The two key filters of the settings pages. They judge one typed character (a UTF-16
// code unit as WM_CHAR delivers it); a rejected character is discarded with a beep.
#pragma once

namespace zz {

enum class KeyFilter {
  kDigits,     // port numbers, timeouts, milliseconds
  kInterface,  // a dotted IPv4 address
};

constexpr unsigned kBackspace = 8;

constexpr bool KeyPasses(KeyFilter filter, unsigned ch) {
  if (ch == kBackspace || (ch >= '0' && ch <= '9')) return true;
  return filter == KeyFilter::kInterface && ch == '.';
}

// The sink of the default beep; tests count the beeps.
class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

}  // namespace zz
