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

static_assert(PageIndex(PageId::kService) + 1 == kPageCount, "the pages are listed in their order");

}  // namespace zz
