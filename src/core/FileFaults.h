// A seam for tests: file creations and writes of the program's output files can be made to fail.
#pragma once

#include <functional>
#include <string>

enum class FileOperation { Create, Write };

/// Returns 0 to let the operation go on, or the errno value it fails with. A failing write first
/// writes half of its bytes, as a disk that fills up in the middle of a file does.
using FileFaultHook = std::function<int(const std::string& path, FileOperation operation)>;

/// Installs the hook (an empty one removes it). For tests only; not for use while files are written.
void SetFileFaultHookForTesting(FileFaultHook hook);

/// The hook's answer for this operation (0 without a hook).
int InjectedFileFault(const std::string& path, FileOperation operation);
