// What the command line says about a failed run: the engine's message completed with the file and
// what the system or the map picture's decoder said.
#pragma once

#include <exception>
#include <string>

/// "/out/info.js: No space left on device (I/O error 112)", "plan.txt: Not a JPEG file: starts with
/// 0x54 0x68 (JPEG error #53)"; other errors keep their message.
std::string FailureText(const std::exception& error);
