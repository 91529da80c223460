// What the program takes from its command line besides the version switch.
#pragma once

#include <QString>
#include <QStringList>

/// The map a file manager hands over ("Open with"): the first argument that is not the version
/// switch, made absolute; empty when there is none.
QString MapPathArgument(const QStringList& arguments);
