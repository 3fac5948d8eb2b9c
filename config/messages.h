// Texts the configuration store shows to the user, and the file names it works with.
#pragma once

#include <string>

namespace zz {

inline constexpr const char* kConfFileName = "zidezir.conf";
inline constexpr const char* kVoiceFileName = "voice.ini";

inline constexpr const char* kWarningCaption = "Внимание!";
inline constexpr const char* kOpenFailedCaption = "Не удалось открыть файл...";
inline constexpr const char* kConfLockedText =
    "Файл конфигурации шлюза zidezir.conf открыт в другой программе. Закройте файл zidezir.conf";
inline constexpr const char* kSaveFailedPrefix = "Не удалось сохранить настройки в файл ";
inline constexpr const char* kOpenFileFailedPrefix = "Не удалось открыть файл ";
inline constexpr const char* kVoiceIniMissingText = "Не найден файл voice.ini";

// The comment line written after the last block of the Devices section; never a block comment.
inline constexpr const char* kDefaultDeviceComment = ";0=1,192.168.1.100";

// The unit type names of the block dialog, one per type code of a voice.ini record.
inline constexpr const char* kPvkTypeName = "ПВК-ЗН, ГЛС";
inline constexpr const char* kMsdTypeName = "МСД-2М, МСД-4М";
inline constexpr const char* kTrlznTypeName = "ТРЛ-ЗН slave";

inline std::string InvalidIntegerText(const std::string& value) { return "'" + value + "' is not a valid integer value"; }

}  // namespace zz
