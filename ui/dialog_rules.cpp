#include "dialog_rules.h"

namespace zz {

namespace {

int Within(int start, int length, int areaStart, int areaLength) {
  if (start + length > areaStart + areaLength) start = areaStart + areaLength - length;
  return start < areaStart ? areaStart : start;
}

}  // namespace

Box CentreWithin(const Box& over, int width, int height, const Box& area) {
  Box b{over.left + (over.width - width) / 2, over.top + (over.height - height) / 2, width, height};
  b.left = Within(b.left, width, area.left, area.width);
  b.top = Within(b.top, height, area.top, area.height);
  return b;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
  if (extension.empty()) return path;
  const std::string::size_type name = path.find_last_of("\\/");
  const std::string::size_type dot = path.find('.', name == std::string::npos ? 0 : name + 1);
  return dot == std::string::npos ? path + "." + extension : path;
}

}  // namespace zz
