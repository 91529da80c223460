// JSON writing for the skin tool's dump.
#include "Json.h"

#include <charconv>
#include <cstdio>

namespace {

void WriteString(std::string& out, const std::string& s) {
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
}

}  // namespace

Json& Json::Add(Json value) {
    Items_.push_back(std::move(value));
    return Items_.back();
}

Json& Json::Set(const std::string& key, Json value) {
    Members_.emplace_back(key, std::move(value));
    return Members_.back().second;
}

bool Json::IsPlain() const {
    if (Kind_ == Kind::Object) return Members_.empty();
    if (Kind_ != Kind::Array) return true;
    for (const auto& item : Items_) {
        if (item.Kind_ == Kind::Object || (item.Kind_ == Kind::Array && !item.IsPlain())) return false;
    }
    return true;
}

std::string Json::Write() const {
    std::string out;
    WriteTo(out, 0);
    out += '\n';
    return out;
}

void Json::WriteTo(std::string& out, int indent) const {
    std::string pad(static_cast<size_t>(indent + 2), ' ');
    std::string closePad(static_cast<size_t>(indent), ' ');
    switch (Kind_) {
        case Kind::Null: out += "null"; return;
        case Kind::Bool: out += Bool_ ? "true" : "false"; return;
        case Kind::Int: out += std::to_string(Int_); return;
        case Kind::Double: {
            char buf[32];
            auto [end, ec] = std::to_chars(buf, buf + sizeof buf, Double_);
            out.append(buf, ec == std::errc() ? end : buf);
            return;
        }
        case Kind::String: WriteString(out, String_); return;
        case Kind::Array:
            if (IsPlain()) {
                out += '[';
                for (size_t i = 0; i < Items_.size(); ++i) {
                    if (i > 0) out += ", ";
                    Items_[i].WriteTo(out, indent);
                }
                out += ']';
                return;
            }
            out += "[\n";
            for (size_t i = 0; i < Items_.size(); ++i) {
                out += pad;
                Items_[i].WriteTo(out, indent + 2);
                out += i + 1 < Items_.size() ? ",\n" : "\n";
            }
            out += closePad + "]";
            return;
        case Kind::Object:
            if (Members_.empty()) {
                out += "{}";
                return;
            }
            out += "{\n";
            for (size_t i = 0; i < Members_.size(); ++i) {
                out += pad;
                WriteString(out, Members_[i].first);
                out += ": ";
                Members_[i].second.WriteTo(out, indent + 2);
                out += i + 1 < Members_.size() ? ",\n" : "\n";
            }
            out += closePad + "}";
            return;
    }
}
