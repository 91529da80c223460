// The web addresses the program shows: the map service and the developer.
#pragma once

inline constexpr const char* kServiceAddress = "https://veltrana.example/";
inline constexpr const char* kDeveloperAddress = "https://brovanti.example/";
/// The main window's caption: the program's name and the service's domain.
inline constexpr const char* kMainCaption = "Quadrimo - veltrana.example";
