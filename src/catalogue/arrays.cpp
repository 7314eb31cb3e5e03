#include "catalogue/arrays.h"

#include <algorithm>

bool IsArrayDimensioned(std::span<const std::int32_t> array) { return !array.empty(); }

bool IsInArray(std::int32_t id, std::span<const std::int32_t> array) {
    if (!IsArrayDimensioned(array)) return false;
    return std::find(array.begin(), array.end(), id) != array.end();
}
