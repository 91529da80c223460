// A small JSON value with an indented writer (arrays of plain values stay on one line).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Json {
public:
    Json() = default;  // null
    Json(bool value) : Kind_(Kind::Bool), Bool_(value) {}
    Json(int64_t value) : Kind_(Kind::Int), Int_(value) {}
    Json(int value) : Json(static_cast<int64_t>(value)) {}
    Json(double value) : Kind_(Kind::Double), Double_(value) {}
    Json(std::string value) : Kind_(Kind::String), String_(std::move(value)) {}
    Json(const char* value) : Json(std::string(value)) {}

    static Json Array() { Json j; j.Kind_ = Kind::Array; return j; }
    static Json Object() { Json j; j.Kind_ = Kind::Object; return j; }

    /// Appends to an array.
    Json& Add(Json value);
    /// Adds a member to an object; members keep the order in which they were set.
    Json& Set(const std::string& key, Json value);

    std::string Write() const;

private:
    enum class Kind { Null, Bool, Int, Double, String, Array, Object };
    void WriteTo(std::string& out, int indent) const;
    bool IsPlain() const;

    Kind Kind_ = Kind::Null;
    bool Bool_ = false;
    int64_t Int_ = 0;
    double Double_ = 0;
    std::string String_;
    std::vector<Json> Items_;
    std::vector<std::pair<std::string, Json>> Members_;
};
