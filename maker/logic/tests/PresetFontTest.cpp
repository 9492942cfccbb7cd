// The preset interface fonts, apart from the other logic tests: those also run
// natively, where PresetFont.cpp is not built (it makes fonts through GDI).
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "PresetFont.h"

namespace {

TEST(PresetFont, FivePresetsOfOneFixedPitchFace) {
    const std::pair<LONG, LONG> sizes[kPresetCount] = {
        {-5, 400}, {-15, 400}, {-16, 400}, {-15, 700}, {-14, 700}};
    for (unsigned p = 0; p < kPresetCount; ++p) {
        LOGFONTA lf{};
        ASSERT_TRUE(FillPresetLogFont(&lf, p));
        const LOGFONTA want{sizes[p].first, 0, 0, 0, sizes[p].second, 0, 0, 0, 128, 3, 2, 1, 49,
                            "ＭＳ ゴシック"};
        EXPECT_EQ(0, memcmp(&want, &lf, sizeof lf)) << p;
    }
}

}  // namespace
