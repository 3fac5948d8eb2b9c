// The one-line summaries of one session's saves, for the history. A save replaces what the
// session's last save wrote, so the view of that content is kept rather than read again.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace zz {

struct ConfigView;

class SaveSummaries {
 public:
  // What a save of `after` changes against `before` (both Windows-1251 files).
  std::string Summary(std::string_view before, std::string_view after);

 private:
  std::string lastBytes_;
  std::shared_ptr<const ConfigView> lastView_;
};

}  // namespace zz
