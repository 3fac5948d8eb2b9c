// Items, ranges and design-time contents of the editor's fields, shared by the main
// window and the editor model.
#pragma once

#include <array>

#include "conf_param.h"

namespace zz {

// Yes/no drop-down lists.
constexpr int kNoItem = 0, kYesItem = 1;
inline constexpr std::array<const char*, 2> kYesNoItems = {"Нет", "Да"};

inline constexpr std::array<const char*, 11> kMaxCallItems = {"Неограничено", "1", "2", "3", "4", "5",
                                                              "6",            "7", "8", "9", "10"};
inline constexpr const char* kUnlimitedCalls = "Неограничено";

inline constexpr std::array<const char*, 6> kLevelItems = {
    "Критическая ошибка. Невозможно продолжение работы программы",
    "Ошибка",
    "Предупреждение",
    "Дополнительная информация",
    "Отладочная информация",
    "Расширенная отладочная информация",
};

struct UpDownRange {
  int min;
  int max;
  int step;
  int initial;  // the design-time position, shown as the initial text of its edit
};

inline constexpr UpDownRange kTxBufferRange = {0, 1000, 10, 200};
inline constexpr UpDownRange kThresholdRange = {0, 1000, 10, 50};
inline constexpr UpDownRange kSignalDeadbandRange = {0, 5000, 100, 100};
inline constexpr UpDownRange kSilenceDeadbandRange = {0, 5000, 100, 200};

// Brings a number outside the range to the nearer end, as an up-down control does.
constexpr int ClampToRange(const UpDownRange& range, int n) {
  return n < range.min ? range.min : (n > range.max ? range.max : n);
}

// Block types of the block grid's type column.
inline constexpr const char* kBlockTypeSerial = "ТРЛ-М";
inline constexpr const char* kBlockTypeIp = "ТРЛ-МЕ";

}  // namespace zz
