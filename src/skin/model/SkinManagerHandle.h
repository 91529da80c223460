// The skin manager as the Qt-free layers carry it: an identity they store, compare and pass on.
#pragma once

class TsSkinManager;

/// Which skin manager a skin was loaded for. Below the manager's own layer it is only stored,
/// compared and asked whether there is one (the class is incomplete there); the manager's layer and
/// those above it get the manager back from it. A skin loaded without a manager (by the tools, or by
/// tests of painting) is marked standalone: it paints like a managed one but names no manager.
class SkinManagerHandle {
public:
    SkinManagerHandle() = default;
    SkinManagerHandle(const TsSkinManager* manager) : Manager_(manager) {}  // a manager is its own handle
    static SkinManagerHandle Standalone() {
        SkinManagerHandle handle;
        handle.Standalone_ = true;
        return handle;
    }

    /// The manager, or null for none and for a standalone skin.
    const TsSkinManager* Manager() const { return Manager_; }
    /// Whether the skin has an owner (a manager, or standalone use).
    explicit operator bool() const { return Manager_ != nullptr || Standalone_; }
    bool operator==(const SkinManagerHandle&) const = default;

private:
    const TsSkinManager* Manager_ = nullptr;
    bool Standalone_ = false;
};
