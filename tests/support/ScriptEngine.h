// A script engine for the tests: Debian's nodejs running a description file or a browser driver.
#pragma once

#include <string>

/// The command that starts node ("node" or "nodejs"), or an empty text when neither is installed.
std::string NodeCommand();

/// What an info.js file defines when a script engine runs it.
struct EvaluatedDescription {
    bool Ran = false;     // the engine ran the whole file
    std::string Output;   // everything the engine printed (the error, when it did not run)
    std::string Title;    // UTF-8
    std::string Zoom;     // "[17,16,18]"
    std::string Sizes;    // "18:3,2 17:1,1 16:0,0"
    std::string Globals;  // "map_title,sizes,zoom"
};

/// Runs the file in node, decoding it with the web encoding given ("windows-1251", "utf-8").
EvaluatedDescription EvaluateDescription(const std::string& path, const std::string& encoding);

/// Quotes a text for the shell.
std::string ShellQuoted(const std::string& text);
