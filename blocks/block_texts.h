// Texts of the block list, the block dialog and the record dialog.
#pragma once

#include <array>

#include "messages.h"

namespace zz {

inline constexpr const char* kNewBlockComment = "Новый блок";
inline constexpr const char* kNewBlockIp = "192.168.1.201";
inline constexpr const char* kAddBlockCaption = "Добавить блок ТРЛ";
inline constexpr const char* kChangeBlockCaption = "Изменение настроек ТРЛ";

inline constexpr std::array<const char*, 5> kBlockGridHeaders = {" N", " Тип блока", " Порт", " IP адрес",
                                                                 " Комментарий"};
inline constexpr std::array<int, 5> kBlockGridWidths = {48, 81, 69, 132, 245};
inline constexpr std::array<const char*, 5> kUnitGridHeaders = {"№", "Тип", "ВЛТ адрес", "Наименование",
                                                                "Имя или IP-адрес"};
inline constexpr std::array<int, 5> kUnitGridWidths = {30, 111, 81, 111, 137};

// The unit types of the record dialog, by index.
inline constexpr std::array<const char*, 3> kUnitTypeNames = {kPvkTypeName, kMsdTypeName, kTrlznTypeName};

// The block dialog.
inline constexpr const char* kBlockTypeGroup = "Тип блока";
inline constexpr const char* kPortGroup = "Номер порта";
inline constexpr const char* kIpGroup = "IP адрес ТРЛ-МЕ";
inline constexpr const char* kCommentGroup = "Комментарий";
inline constexpr const char* kUnitsGroup = "Перечень переговорных блоков для опроса шлюзом VELTO Gateway";
inline constexpr const char* kUnitAddButton = "Добавить";
inline constexpr const char* kUnitChangeButton = "Изменить";
inline constexpr const char* kUnitDeleteButton = "Удалить";
inline constexpr const char* kOkButton = "ОК";  // Cyrillic letters
inline constexpr const char* kBlockCancelButton = "Отменить";

// The record dialog.
inline constexpr const char* kUnitTypeLabel = "Тип";
inline constexpr const char* kUnitAddressLabel = "ВЛТ адрес";
inline constexpr const char* kUnitNameLabel = "Наименование";
inline constexpr const char* kUnitHostLabel = "Имя или IP-адрес";
inline constexpr const char* kRecordCancelButton = "Отмена";

inline constexpr const char* kAddUnitCaption = "Добавление записи";
inline constexpr const char* kChangeUnitCaption = "Изменение записи";
inline constexpr const char* kNewUnitHost = "127.0.0.1";

inline constexpr const char* kAddIncomplete = "Вы заполнили не все данные. Запись не будет добавлена";
inline constexpr const char* kAddBadAddress = "Не верно задан ВЛТ адрес. Запись не будет добавлена";
inline constexpr const char* kAddCommaInName = "Наименование не должно содержать запятую. Запись не будет добавлена";
inline constexpr const char* kChangeIncomplete = "Вы заполнили не все данные. Запись не будет изменена";
inline constexpr const char* kChangeBadAddress = "Не верно задан ВЛТ адрес. Запись не будет изменена";
inline constexpr const char* kChangeCommaInName =
    "Наименование не должно содержать запятую. Запись не будет изменена";

}  // namespace zz
