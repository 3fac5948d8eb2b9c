#include "change_report.h"

#include <optional>

#include "change_texts.h"
#include "config_changes.h"
#include "cp1251.h"
#include "save_flows.h"

namespace zz {

namespace {

std::optional<std::string> BytesOf(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes)) return bytes;
  return std::nullopt;
}

std::vector<std::string> Lines(const std::vector<ConfigChange>& changes) {
  std::vector<std::string> lines;
  for (const ConfigChange& change : changes) lines.push_back(text::kReportBullet + change.Text());
  return lines;
}

std::vector<std::string> Compared(std::string_view before, std::string_view after) {
  return Lines(CompareConfigurations(ViewOfConfiguration(before), ViewOfConfiguration(after)));
}

// The bytes a save of the editor would write with `voiceText` appended; the table is a copy.
std::string SavedBytes(ConfigSession& session, const std::string& voiceText) {
  ConfParamTable table = session.table;
  return Utf8ToCp1251(SavedText(session.editor, table, voiceText, CleanUp::kBeforeAppend));
}

ReportSection OneLine(std::string heading) { return {std::move(heading), {}}; }

}  // namespace

std::vector<ReportSection> PendingChangesReport(ConfigSession& session) {
  const std::string confPath = session.ProgramFile(kConfFileName);
  const std::string voicePath = session.ProgramFile(kVoiceFileName);
  const std::optional<std::string> disk = BytesOf(confPath);
  if (!session.state.loaded) return {OneLine(text::kReportNotLoaded)};
  if (!disk) return {OneLine(text::ReportNoFile(confPath))};

  std::vector<ReportSection> report;
  const VoicePart voice = ReadVoicePart(voicePath);
  if (!ChangeDetected(session)) {
    report.push_back(OneLine(text::kReportNoPending));
  } else {
    ReportSection save{text::ReportSaveWrites(confPath), Compared(*disk, SavedBytes(session, voice.text))};
    if (save.lines.empty()) save.heading = text::ReportSaveSame(confPath);
    report.push_back(std::move(save));
  }

  const KnownFile& knownConf = session.state.knownConf;
  if (knownConf.tracked && knownConf.bytes != disk) {
    ReportSection other{text::ReportChangedElsewhere(confPath), {}};
    if (knownConf.bytes) other.lines = Compared(*knownConf.bytes, *disk);
    if (other.lines.empty())
      other.heading = knownConf.bytes ? text::ReportChangedElsewhereUnseen(confPath) : text::ReportMadeElsewhere(confPath);
    report.push_back(std::move(other));
  }
  const KnownFile& knownVoice = session.state.knownVoice;
  if (knownVoice.tracked && knownVoice.bytes != BytesOf(voicePath)) {
    // The units another program changed: the same save with voice.ini as the window knew it.
    const std::string known = knownVoice.bytes ? VoiceAppendix(*knownVoice.bytes) : std::string();
    ReportSection other{text::ReportChangedElsewhere(voicePath),
                        Compared(SavedBytes(session, known), SavedBytes(session, voice.text))};
    if (other.lines.empty()) other.heading = text::ReportChangedElsewhereUnseen(voicePath);
    report.push_back(std::move(other));
  }
  return report;
}

std::vector<ReportSection> RevisionReport(const std::string& confPath, const Revision& revision) {
  std::string conf, voice;
  if (!ReadRevision(revision, conf, voice)) return {OneLine(text::ReportRevisionUnreadable(revision.folder))};
  const std::string current = BytesOf(confPath).value_or(std::string());
  // Older to newer, as the history's own notes read.
  ReportSection section{text::ReportRestoreChanges(revision.number), Compared(conf, current)};
  if (section.lines.empty()) section.heading = text::ReportRestoreSame(revision.number);
  return {section};
}

std::string ReportText(const std::vector<ReportSection>& report) {
  std::string text;
  for (const ReportSection& section : report) {
    if (!text.empty()) text += "\r\n";
    text += section.heading + "\r\n";
    for (const std::string& line : section.lines) text += line + "\r\n";
  }
  return text;
}

}  // namespace zz
