// The two key filters of the settings pages. They judge one typed character (a UTF-16
// code unit as WM_CHAR delivers it); a rejected character is discarded with a beep.
#pragma once

#include <optional>

#include "conf_param.h"

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

// The key filter of the field that carries a schema entry; none for a field of free text.
// The window's pages and zconf both take it from here.
constexpr std::optional<KeyFilter> FieldKeyFilter(int schemaEntry) {
  switch (schemaEntry) {
    case entry::kListenerInterface: return KeyFilter::kInterface;
    case entry::kListenerPort:
    case entry::kBasePort:
    case entry::kControlServerPort:
    case entry::kConnectionTimeout:
    case entry::kTxBuffer:
    case entry::kThreshold:
    case entry::kSignalDeadband:
    case entry::kSilenceDeadband: return KeyFilter::kDigits;
    default: return std::nullopt;
  }
}

// The sink of the default beep; tests count the beeps.
class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

}  // namespace zz
