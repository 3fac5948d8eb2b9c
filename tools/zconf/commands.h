// The commands of zconf; each returns its exit code.
#pragma once

#include "command_line.h"

namespace zz::zconf {

int GetCommand(const CommandLine& line, Io& io);
int SetCommand(const CommandLine& line, Io& io);
int CheckCommand(const CommandLine& line, Io& io);
int BlocksCommand(const CommandLine& line, Io& io);
int BlockAddCommand(const CommandLine& line, Io& io);
int BlockSetCommand(const CommandLine& line, Io& io);
int BlockRemoveCommand(const CommandLine& line, Io& io);
int UnitsCommand(const CommandLine& line, Io& io);
int UnitAddCommand(const CommandLine& line, Io& io);
int UnitRemoveCommand(const CommandLine& line, Io& io);
int DumpCommand(const CommandLine& line, Io& io);
int SaveCommand(const CommandLine& line, Io& io);
int VoiceRebuildCommand(const CommandLine& line, Io& io);
int RemoveBlockCommand(const CommandLine& line, Io& io);
int ServiceCommand(const CommandLine& line, Io& io);
int DiffCommand(const CommandLine& line, Io& io);
int HistoryCommand(const CommandLine& line, Io& io);
int RestoreCommand(const CommandLine& line, Io& io);
int ExportCommand(const CommandLine& line, Io& io);
int ApplyCommand(const CommandLine& line, Io& io);
int SchemaCommand(const CommandLine& line, Io& io);

// Restores revision `number` of the file with the save's rules, the current content kept as
// a revision first; the exit code.
int RestoreRevision(const std::string& path, const std::string& number, Io& io);

}  // namespace zz::zconf
