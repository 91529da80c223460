// Parsing and reading of a skin's options text.
#include "SkinOptions.h"

#include "core/IntegerText.h"
#include "core/TextDecoding.h"

namespace {

std::string_view Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

}  // namespace

std::vector<std::string> SkinOptions::SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

SkinOptions SkinOptions::FromLines(const std::vector<std::string>& lines) {
    SkinOptions options;
    Section* current = nullptr;
    for (const auto& raw : lines) {
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            std::string name(line.substr(1, line.size() - 2));
            options.SectionIndex_.emplace(name, options.Sections_.size());
            options.Sections_.push_back(Section{std::move(name), {}, {}});
            current = &options.Sections_.back();
            continue;
        }
        size_t eq = line.find('=');
        if (current == nullptr || eq == std::string_view::npos) continue;
        std::string key(Trim(line.substr(0, eq)));
        current->Index.emplace(key, current->Keys.size());
        current->Keys.emplace_back(std::move(key), std::string(Trim(line.substr(eq + 1))));
    }
    return options;
}

SkinOptions SkinOptions::FromText(std::string_view text) { return FromLines(SplitLines(text)); }

SkinOptions SkinOptions::FromBytes(std::span<const uint8_t> bytes, int ansiCodePage) {
    return FromText(DecodeText(bytes, ansiCodePage));
}

const SkinOptions::Section* SkinOptions::FindSection(const std::string& name) const {
    auto it = SectionIndex_.find(name);
    return it == SectionIndex_.end() ? nullptr : &Sections_[it->second];
}

bool SkinOptions::ValueExists(const std::string& section, const std::string& key) const {
    const Section* s = FindSection(section);
    return s != nullptr && s->Index.count(key) != 0;
}

std::string SkinOptions::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return defaultValue;
    auto it = s->Index.find(key);
    return it == s->Index.end() ? defaultValue : s->Keys[it->second].second;
}

int SkinOptions::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return defaultValue;
    auto it = s->Index.find(key);
    return it == s->Index.end() ? defaultValue : StrToIntDef(s->Keys[it->second].second, defaultValue);
}

void SkinOptions::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    auto it = SectionIndex_.find(section);
    if (it == SectionIndex_.end()) {
        it = SectionIndex_.emplace(section, Sections_.size()).first;
        Sections_.push_back(Section{section, {}, {}});
    }
    Section& s = Sections_[it->second];
    auto k = s.Index.find(key);
    if (k != s.Index.end()) {
        s.Keys[k->second].second = value;
    } else {
        s.Index.emplace(key, s.Keys.size());
        s.Keys.emplace_back(key, value);
    }
}

void SkinOptions::Overlay(const SkinOptions& other) {
    for (const auto& section : other.Sections_) {
        for (const auto& [key, value] : section.Keys) WriteString(section.Name, key, value);
    }
}
