// qx410-ini: the command-line companion of the setup tool, for scripts, batch set-up and
// checking a card.
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/terminal.h"

int main(int argc, char** argv) {
    const qx::cli::Terminal terminal;
    const qx::Result<std::vector<std::string>> arguments = terminal.arguments(argc, argv);
    if (!arguments) {
        terminal.err("qx410-ini: " + arguments.error().message + "\n");
        return qx::cli::kUserError;
    }
    return qx::cli::runCommandLine(arguments.value(), terminal);
}
