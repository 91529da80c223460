// The skins built into the program: packages embedded at build time, reached by name.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// The name of the skin the program starts with.
inline constexpr std::string_view kGlimmerSkinName = "Glimmer (internal)";

/// The package bytes of the internal skin of that name (exact, case-sensitive); empty when none.
std::span<const uint8_t> InternalSkinPackage(std::string_view name);

/// The names of all internal skins, in the order they are stored.
std::vector<std::string> InternalSkinNames();
