// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the tool, one function each; every one returns its exit
// code (see Exit).

#include "cli/cliargs.h"
#include "cli/clioutput.h"
#include "profile/profilefile.h"
#include "session/ecusession.h"

namespace Cli {

class CliEcu;
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

// Writes `profile` with `options` through the verified path (backup, frames,
// read-back, K) and prints the result; `document` holds what the --json
// result says besides. The exit code.
int writeVerified(Context &ctx, CliEcu &ecu, const ProfileFile::Profile &profile, const WriteOptions &options,
                  QJsonObject document);

int commandPorts(Context &ctx);
int commandInfo(Context &ctx);
int commandRead(Context &ctx);
int commandWrite(Context &ctx);
int commandVerify(Context &ctx);
int commandBackup(Context &ctx);
int commandMonitor(Context &ctx);
int commandDoctor(Context &ctx);
int commandAnalyze(Context &ctx);
int commandHistory(Context &ctx);
int commandBikes(Context &ctx);

} // namespace Cli
