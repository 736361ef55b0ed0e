// The page's image set arrives as a tar of the generator's files. The reader finds each image
// by its name, skips what is not an image, and takes nothing from a tar that is cut short.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/images.h"

namespace {

// A tar as `tar --format=gnutar` writes one: per file a 512-byte header (name, octal size,
// type) and the data padded to 512 bytes, then two empty blocks.
std::vector<unsigned char> Tar(const std::vector<std::pair<std::string, std::string>>& files,
                               char type = '0') {
    std::vector<unsigned char> tar;
    for (const auto& [name, data] : files) {
        std::vector<unsigned char> header(512, 0);
        std::copy(name.begin(), name.end(), header.begin());
        char size[12];
        std::snprintf(size, sizeof size, "%011o", unsigned(data.size()));
        std::copy(size, size + 11, header.begin() + 124);
        header[156] = static_cast<unsigned char>(type);
        tar.insert(tar.end(), header.begin(), header.end());
        tar.insert(tar.end(), data.begin(), data.end());
        tar.resize((tar.size() + 511) / 512 * 512, 0);
    }
    tar.resize(tar.size() + 1024, 0);
    return tar;
}

std::string Bytes(const EmbeddedImage* image) {
    return image ? std::string(reinterpret_cast<const char*>(image->data), image->size) : "(none)";
}

TEST(ImageArchive, EachImageIsFoundByItsIdAndOnlyThat) {
    const auto tar = Tar({{"133.bmp", "BM one"},
                          // clang-format off
                          {"134.bmp", std::string(700, 'x')},
                          {"readme.txt", "not an image"},
                          {"135.bmp", ""}});
    // clang-format on
    ASSERT_TRUE(SetImageArchive(tar.data(), tar.size()));
    EXPECT_EQ(Bytes(FindEmbeddedImage(133)), "BM one");
    EXPECT_EQ(Bytes(FindEmbeddedImage(134)), std::string(700, 'x'));  // past one block
    EXPECT_EQ(Bytes(FindEmbeddedImage(135)), "");
    EXPECT_EQ(FindEmbeddedImage(136), nullptr);
    EXPECT_EQ(FindEmbeddedImage(0), nullptr);
}

TEST(ImageArchive, ATarCutShortOrOfOtherEntriesGivesNoImages) {
    auto tar = Tar({{"133.bmp", std::string(600, 'a')}, {"134.bmp", "b"}});
    tar.resize(512 + 100);  // the first file's data cut
    EXPECT_FALSE(SetImageArchive(tar.data(), tar.size()));
    EXPECT_EQ(FindEmbeddedImage(133), nullptr);
    EXPECT_FALSE(SetImageArchive(tar.data(), 100));      // not even a header
    const auto links = Tar({{"133.bmp", "link"}}, '2');  // a symbolic link is no image
    EXPECT_TRUE(SetImageArchive(links.data(), links.size()));
    EXPECT_EQ(FindEmbeddedImage(133), nullptr);
}

// The page adds one tar a scale as it needs them: each adds its images to those before, a bad
// one adds nothing, and a scale is taken up to the page's largest.
TEST(ImageArchive, ArchivesAddUpAndABadOneTakesNothing) {
    const auto plain = Tar({{"133.bmp", "one"}});
    ASSERT_TRUE(SetImageArchive(plain.data(), plain.size()));
    const auto fine = Tar({{"133@5.rle", "five"}, {"133@8.rle", "eight"}, {"133@9.rle", "nine"}});
    ASSERT_TRUE(AddImageArchive(fine.data(), fine.size()));
    auto cut = Tar({{"134.bmp", std::string(600, 'c')}, {"133@6.rle", "six"}});
    cut.resize(512 + 100);
    EXPECT_FALSE(AddImageArchive(cut.data(), cut.size()));
    EXPECT_EQ(Bytes(FindEmbeddedImage(133)), "one");
    EXPECT_EQ(Bytes(FindScaledImage(133, 5)), "five");
    EXPECT_EQ(Bytes(FindScaledImage(133, kMaxPageScale)), "eight");
    EXPECT_EQ(FindScaledImage(133, 9), nullptr);
    EXPECT_EQ(FindEmbeddedImage(134), nullptr);
    EXPECT_EQ(FindScaledImage(133, 6), nullptr);
}

}  // namespace
