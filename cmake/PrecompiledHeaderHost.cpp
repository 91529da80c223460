// Compiled only to build a precompiled header that several targets share.
