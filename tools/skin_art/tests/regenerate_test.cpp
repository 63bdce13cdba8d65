// The committed files are exactly what the generator makes: nothing edited by hand, nothing
// stale, nothing missing.
#include <gtest/gtest.h>

#include "art_set.hpp"
#include "test_files.hpp"

namespace skin_art {
namespace {

TEST(Regenerate, CommittedFilesMatchTheGeneratorByteForByte) {
    const std::vector<ArtFile> made = make_art_set();
    std::vector<std::string> made_names;
    for (const ArtFile& f : made) {
        made_names.push_back(f.name);
        EXPECT_EQ(f.bytes, testing::read_committed(f.name))
            << f.name << " differs; regenerate with the skin_art_regenerate target";
    }
    EXPECT_EQ(testing::committed_names(), made_names);
}

}  // namespace
}  // namespace skin_art
