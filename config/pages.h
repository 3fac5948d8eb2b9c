// The window's pages in the order of the navigation bar: the bar, Ctrl+1 to Ctrl+5 and the
// comparisons, which tell changes page by page, all follow it.
#pragma once

#include <array>
#include <cstddef>

#include "page_texts.h"

namespace zz {

enum class PageId { kTrl, kNetwork, kVoice, kAdd, kService };

struct PageInfo {
  PageId id;
  const char* caption;  // the page's button on the navigation bar
};

inline constexpr std::array<PageInfo, 5> kPages = {{
    {PageId::kTrl, text::kNavTrl},
    {PageId::kNetwork, text::kNavNetwork},
    {PageId::kVoice, text::kNavVoice},
    {PageId::kAdd, text::kNavAdd},
    {PageId::kService, text::kNavService},
}};
inline constexpr std::size_t kPageCount = kPages.size();

constexpr std::size_t PageIndex(PageId id) { return static_cast<std::size_t>(id); }
constexpr const char* PageCaption(PageId id) { return kPages[PageIndex(id)].caption; }

// Each page's place in the list is its number, so that a page's id finds its entry.
constexpr bool PagesInOrder() {
  for (std::size_t i = 0; i < kPageCount; ++i)
    if (PageIndex(kPages[i].id) != i) return false;
  return true;
}
static_assert(PagesInOrder(), "the pages are listed in the order of their ids");

}  // namespace zz
