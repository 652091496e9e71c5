#include "model/design_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <type_traits>

namespace {

static_assert(std::is_copy_constructible_v<model::DesignData> &&
              std::is_copy_assignable_v<model::DesignData>);

// A member added without an initialiser keeps the bytes of its storage on default initialisation; filling
// the storage with 0xFF first turns such a member into NaN or -1, so it no longer compares equal to zero.
TEST(DesignData, DefaultInitialisationLeavesEveryValueZeroOrEmpty) {
    alignas(model::DesignData) unsigned char storage[sizeof(model::DesignData)];
    std::memset(storage, 0xFF, sizeof storage);
    auto* data = new (storage) model::DesignData;

    EXPECT_TRUE(*data == model::DesignData{});

    data->~DesignData();
}

} // namespace
