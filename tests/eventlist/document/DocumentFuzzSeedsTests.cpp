#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/eventlist/document/DocumentFuzzSeeds.h"

namespace xd {
namespace {

// Regenerate with eventlist_document_seeds when the format or the samples change.
TEST(DocumentFuzzSeeds, CommittedSeedsAreWhatTheEncoderWrites) {
    for (const auto& [name, bytes] : test::DocumentFuzzSeeds()) {
        std::ifstream in(std::string(XD_DOCUMENT_SEEDS) + "/" + name, std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::ostringstream committed;
        committed << in.rdbuf();
        EXPECT_EQ(committed.str(), bytes) << name;
    }
}

}  // namespace
}  // namespace xd
