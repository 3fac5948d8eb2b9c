// What the file layer builds from its own operations, alike on every platform.
#include "file_system.h"

namespace zz {

bool RemoveTree(const std::string& path) {
  // A link is left where it is, and so is the folder that holds one.
  const EntryKind kind = KindOf(path);
  if (kind == EntryKind::kLink) return false;
  if (kind == EntryKind::kFolder)
    for (const FolderEntry& e : ListFolder(path)) RemoveTree(JoinPath(path, e.name));
  return RemoveEntry(path);
}

}  // namespace zz
