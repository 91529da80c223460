// Keeps the GUI tests independent: after every test, what it left in the process fails that test.
#pragma once

#include <functional>
#include <string>
#include <vector>

/// A check of process state a test must not leave behind: returns what was left (empty: nothing)
/// and clears it, so that the tests after it start clean.
using LeftoverCheck = std::function<std::vector<std::string>()>;

/// Adds a check run after every test of the suite; suites register their layer's process-wide state.
void AddLeftoverCheck(LeftoverCheck check);

/// Installs the listener that runs the checks (the GUI suites' main does).
void InstallTestIsolation();
