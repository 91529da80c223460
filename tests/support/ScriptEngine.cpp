// Running node from the tests through the shell, and reading back what the helper script printed.
#include "ScriptEngine.h"

#include <sstream>

#include "RunProgram.h"

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string NodeCommand() {
    for (const char* name : {"node", "nodejs"}) {
        if (RunProgram(std::string("command -v ") + name + " >/dev/null").Status == 0) return name;
    }
    return {};
}

EvaluatedDescription EvaluateDescription(const std::string& path, const std::string& encoding) {
    EvaluatedDescription result;
    const ProgramResult run = RunProgram(NodeCommand() + " " + ShellQuoted(QUADRIMO_SOURCE_DIR "/tests/support/evaluate-info.js") +
                                         " " + ShellQuoted(path) + " " + ShellQuoted(encoding));
    result.Output = run.Out;
    result.Ran = run.Status == 0;
    std::istringstream lines(run.Out);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string value = space == std::string::npos ? std::string() : line.substr(space + 1);
        if (key == "title") {
            for (size_t i = 0; i + 1 < value.size(); i += 2) {
                result.Title += static_cast<char>(std::stoi(value.substr(i, 2), nullptr, 16));
            }
        } else if (key == "zoom") {
            result.Zoom = value;
        } else if (key == "sizes") {
            result.Sizes = value;
        } else if (key == "globals") {
            result.Globals = value;
        }
    }
    return result;
}
