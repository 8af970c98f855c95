#pragma once

#include <string>

namespace lamelix {

// `lamelix-outils completion bash`: the bash completion of lamelix-outils, drawn from the table
// of commands (the command names, each command's options, the words an option takes, file names
// elsewhere). packaging/lamelix-outils.bash is this text, installed for bash-completion.
std::string CompletionBash();

} // namespace lamelix
