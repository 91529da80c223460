// Skin directory resolution and package file names.
#include "SkinDirectories.h"

#include <QCoreApplication>
#include <QDir>

std::string ResolveSkinDirectoryFor(const std::string& directory, const std::string& programFolder) {
    const std::string& d = directory;
    const std::string& a = programFolder;
    if (d.rfind("..", 0) == 0) {
        std::string up = a.empty() ? a : a.substr(0, a.size() - 1);
        while (!up.empty() && up.back() != '/' && up.back() != '\\') up.pop_back();
        return up + (d.size() > 3 ? d.substr(3) : std::string());
    }
    if (d.size() >= 2 && d[0] == '.' && (d[1] == '\\' || d[1] == '/')) return a + d.substr(2);
#ifndef _WIN32
    // Here a path from the root has no drive letter: it is absolute all the same.
    if (!d.empty() && d[0] == '/') return d;
#endif
    if (d.find(':') == std::string::npos && d.find("\\\\") == std::string::npos) return a + d;
    return d;
}

std::string PackageFileFor(const std::string& directory, const std::string& skinName) {
    std::string dir = directory;
    if (!dir.empty() && dir.back() == '/') dir.back() = '\\';
    if (dir.size() == 1) dir += ":\\";
    if (dir.empty() || dir.back() != '\\') dir += '\\';
    return dir + skinName + ".qrv";
}

std::string NativeSkinPath(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    std::string result = path;
    for (char& c : result)
        if (c == '\\') c = '/';
    return result;
#endif
}

std::string ProgramFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return QDir::toNativeSeparators(folder).toStdString();
}
