// What the service page shows: the main window implements it over its real controls.
#pragma once

#include <string>
#include <vector>

#include "service_texts.h"

namespace zz {

class ServicePageView {
 public:
  virtual ~ServicePageView() = default;
  virtual void SetStateText(const std::string& text) = 0;  // Label1
  virtual void SetPathText(const std::string& text) = 0;   // Label3
  // RunButton
  virtual void SetRunEnabled(bool enabled) = 0;
  virtual void SetRunGlyph(RunGlyph glyph) = 0;
  virtual void SetRunHint(const std::string& hint) = 0;
  virtual void SetRunTag(int tag) = 0;
  virtual int RunTag() const = 0;
  // StartTypeCB: index -1 selects nothing
  virtual void SetStartTypeItems(const std::vector<std::string>& items) = 0;
  virtual void SetStartTypeIndex(int index) = 0;
  virtual int StartTypeIndex() const = 0;
};

}  // namespace zz
