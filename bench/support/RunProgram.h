#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

// Runs `arguments[0]` with its arguments to its end and gives what it wrote to its standard output and
// standard error together (so that the platform's notices do not split the report), or nothing when it
// could not start or did not exit with status 0. `output`, when given, receives the text either way.
std::optional<std::string> runProgram(std::vector<std::string> arguments, std::string* output = nullptr);

} // namespace bench
