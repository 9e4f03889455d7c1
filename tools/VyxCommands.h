// VyxCommands.h: the subcommands of the vyx tool.
//
// Each subcommand lives in its own Cmd*.cpp and registers itself on the app
// through one Add*Command function; vyx.cpp calls them in the order of the
// table below, which is the order `vyx --help` lists them in.
#pragma once

namespace CLI {
class App;
}

// The exit codes every command uses.
// The crypto results of decrypt/encrypt get codes of their own, so scripts can tell
// a wrong password from a damaged file.
enum TVyxExit {
    vyxOk = 0,
    vyxFailed = 1,
    vyxUsage = 2,
    vyxMissingPassword = 3,
    vyxWrongPassword = 4,
    vyxUnsupportedEncryption = 5,
    vyxCryptoError = 6,
};

void AddInfoCommand(CLI::App& app);
void AddEvalCommand(CLI::App& app);
void AddBarcodeCommand(CLI::App& app);
void AddTestSheetCommand(CLI::App& app);
void AddPackageCommand(CLI::App& app);
void AddConvertCommand(CLI::App& app);
void AddDecryptCommand(CLI::App& app);
void AddEncryptCommand(CLI::App& app);
void AddSpellCommand(CLI::App& app);
void AddLayoutCommand(CLI::App& app);
void AddRenderCommand(CLI::App& app);
void AddReportCommand(CLI::App& app);
void AddMergeCommand(CLI::App& app);
void AddPlayCommand(CLI::App& app);

// Set by a command's callback; main returns it.
extern int gVyxExitCode;
