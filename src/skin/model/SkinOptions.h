// The in-memory options text of a skin: ordered, case-sensitive sections of ordered keys.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class SkinOptions {
public:
    struct Section {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Keys;  // text order
        std::unordered_map<std::string, size_t> Index;           // first key of each name
    };

    SkinOptions() = default;

    /// Builds the object from text lines: "[NAME]" opens a section, "KEY=VALUE" adds a key (both
    /// sides trimmed), ";" comments, blank lines, lines without "=" and lines before the first
    /// section are skipped. A repeated section name or key keeps the first one for reading.
    static SkinOptions FromLines(const std::vector<std::string>& lines);
    /// The same from a UTF-8 text.
    static SkinOptions FromText(std::string_view text);
    /// The same from file bytes: the ANSI code page unless a UTF-8 or UTF-16 mark says otherwise.
    static SkinOptions FromBytes(std::span<const uint8_t> bytes, int ansiCodePage);

    /// Splits a text at CR LF, LF or CR.
    static std::vector<std::string> SplitLines(std::string_view text);

    const std::vector<Section>& Sections() const { return Sections_; }
    const Section* FindSection(const std::string& name) const;
    bool SectionExists(const std::string& name) const { return FindSection(name) != nullptr; }
    bool ValueExists(const std::string& section, const std::string& key) const;

    /// The value as written, or the default when the section or key is missing.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    /// The value as an integer, or the default when missing or not an integer.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;

    /// Sets the key (replacing the first of that name, else appending it), adding the section
    /// at the end when it is new.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    /// Lays every key of the other object over this one.
    void Overlay(const SkinOptions& other);

private:
    std::vector<Section> Sections_;
    std::unordered_map<std::string, size_t> SectionIndex_;
};
