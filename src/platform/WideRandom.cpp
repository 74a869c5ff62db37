#include "platform/WideRandom.h"

#include "platform/Random.h"

namespace vuv {

uint32_t RandomIndexBelow(uint32_t count)
{
    if (count == 0)
        return 0;
    if (count <= kRandomBelowReach)
        return uint32_t(RandomBelow(int32_t(count)));
    const uint32_t blocks = (count + kRandomBelowReach - 1) / kRandomBelowReach;
    uint32_t value = 0;
    for (int attempt = 0; attempt < 64; ++attempt) {
        const uint32_t block = uint32_t(RandomBelow(int32_t(blocks)));
        value = block * kRandomBelowReach + uint32_t(RandomBelow(int32_t(kRandomBelowReach)));
        if (value < count)
            return value;
    }
    return value % count;
}

}  // namespace vuv
