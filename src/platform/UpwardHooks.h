// Calls from a lower layer up into a higher one: the lower layer declares what it calls as a struct of
// function pointers (all null until installed), the skin engine's installation fills it at start-up.
#pragma once

namespace upward_hooks_detail {
template <class Hooks>
Hooks& Slot() {
    static Hooks hooks;
    return hooks;
}
}  // namespace upward_hooks_detail

/// The installed hooks of one kind; every pointer null before an installation.
template <class Hooks>
const Hooks& InstalledHooks() {
    return upward_hooks_detail::Slot<Hooks>();
}

/// Installs the hooks of one kind in place of the ones before.
template <class Hooks>
void InstallHooks(const Hooks& hooks) {
    upward_hooks_detail::Slot<Hooks>() = hooks;
}

/// Installs hooks of one kind for the guard's life and puts the ones before back at its end.
template <class Hooks>
class TScopedHooks {
public:
    explicit TScopedHooks(const Hooks& hooks) : Saved_(InstalledHooks<Hooks>()) { InstallHooks(hooks); }
    ~TScopedHooks() { InstallHooks(Saved_); }
    TScopedHooks(const TScopedHooks&) = delete;
    TScopedHooks& operator=(const TScopedHooks&) = delete;

private:
    Hooks Saved_;
};
