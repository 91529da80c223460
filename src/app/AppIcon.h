// The application icon: a map cut into four tiles, drawn at 16 and 32 pixels.
#pragma once

#include <QIcon>

QIcon ApplicationIcon();
