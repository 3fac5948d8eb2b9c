#include "change_list.h"

namespace zz::zconf {

namespace {

const char* KindWord(ConfigChange::Kind kind) {
  switch (kind) {
    case ConfigChange::Kind::kChanged: return "changed";
    case ConfigChange::Kind::kAdded: return "added";
    case ConfigChange::Kind::kRemoved: return "removed";
  }
  return "changed";
}

}  // namespace

Json ChangesJson(const std::vector<ConfigChange>& changes) {
  Json list = Json::array();
  for (const ConfigChange& c : changes)
    list.push_back({{"kind", KindWord(c.kind)},
                    {"page", c.page},
                    {"what", c.what},
                    {"from", c.from},
                    {"to", c.to},
                    {"text", c.Text()}});
  return list;
}

void PrintChanges(const std::vector<ConfigChange>& changes, std::ostream& out) {
  for (const ConfigChange& c : changes) out << c.Text() << "\n";
}

}  // namespace zz::zconf
