#pragma once
// Helpers on arrays of card ids. An empty array is one without bounds.
#include "state/readingstate.h"

#include <cstdint>
#include <span>

bool IsArrayDimensioned(std::span<const std::int32_t> array);
bool IsInArray(std::int32_t id, std::span<const std::int32_t> array);
