// Large blocks of memory straight from the system, for canvases of hundreds of megabytes.
#pragma once

#include <cstddef>

/// A block of at least that many bytes, its pages given by the system as they are first touched
/// (their content is unspecified); null when the system refuses.
void* ReserveLargeBlock(size_t bytes);

/// Gives a block from ReserveLargeBlock back; null is ignored.
void ReleaseLargeBlock(void* block) noexcept;
