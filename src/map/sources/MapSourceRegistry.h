// The kinds of map picture the program reads, chosen by content.
#pragma once

#include <memory>
#include <string>

#include "MapSource.h"
#include "MapSourceOptions.h"

/// Opens the map picture at `path` as the kind its first bytes say, whatever its name. Content no
/// kind claims goes to the JPEG kind, whose decoder says why it is no JPEG ("JPEG error #53", an
/// empty file "JPEG error #42" once started). Throws EFOpenError when the file cannot be opened
/// or is no regular file, and the kind's EMapSourceError when its header is not valid.
std::unique_ptr<MapSource> OpenMapSource(const std::string& path, const MapSourceOptions& options = {});

/// The name of the kind OpenMapSource would read the file as ("JPEG", "PNG", "TIFF"), from its
/// first bytes; empty when the file cannot be opened.
std::string MapKindName(const std::string& path);
