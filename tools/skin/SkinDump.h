// The skin model as JSON for the skin tool's dump.
#pragma once

#include "Json.h"
#include "skin/model/SkinModel.h"

/// Every global field, section, mask, pattern and well-known index; with a package reader also
/// its picture count and entry names.
Json SkinModelToJson(const SkinModel& model, const TsSkinPackReader* package);
