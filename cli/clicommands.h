#pragma once
// The commands of the tool, one function each; every one returns its exit
// code (see Exit).

#include "cli/cliargs.h"
#include "cli/clioutput.h"
#include "profile/profilefile.h"
#include "session/ecusession.h"

namespace Cli {

class InterruptWatch;

struct Context {
    const Args &args;
    const EcuSession::Config &config;
    Output &out;
    InterruptWatch &interrupts;
};

// The profile named on the command line. A file that is not one is a usage
// error, said (see Output::fail) before the unit is touched.
bool loadProfile(Context &ctx, ProfileFile::Profile *profile);

int commandPorts(Context &ctx);
int commandInfo(Context &ctx);
int commandRead(Context &ctx);
int commandWrite(Context &ctx);
int commandVerify(Context &ctx);
int commandBackup(Context &ctx);
int commandMonitor(Context &ctx);
int commandDoctor(Context &ctx);
int commandAnalyze(Context &ctx);

} // namespace Cli
