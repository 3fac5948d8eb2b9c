// The service exists only in the Windows build.
#include "commands.h"
#include "zconf_texts.h"

namespace zz::zconf {

int ServiceCommand(const CommandLine&, Io& io) { return Refuse(io, ServiceWindowsOnly()); }

}  // namespace zz::zconf
