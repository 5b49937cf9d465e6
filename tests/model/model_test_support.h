// A fresh folder per test and raw access to the bytes of a store file.
#pragma once

#include "trop/store/file_io.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace trop::test {

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path()
                 / ("trop-model-" + std::to_string(::getpid()) + "-"
                    + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::vector<unsigned char> fileBytes(const char* name) const
    {
        const FileBytes read = readFileUpTo(folder / name, 1u << 23);
        EXPECT_EQ(read.status, ReadStatus::Ok) << name;
        return std::vector<unsigned char>(read.bytes.begin(), read.bytes.end());
    }

    void writeBytes(const char* name, const void* data, std::size_t size) const
    {
        ASSERT_TRUE(writeFileAtomically(folder / name, data, size));
    }

    // Makes atomic writes of an existing file fail: a save refuses a file
    // marked read-only for everybody, even for root.
    void blockWritesTo(const char* name) const
    {
        namespace fs = std::filesystem;
        fs::permissions(folder / name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    void unblockWritesTo(const char* name) const
    {
        std::filesystem::permissions(folder / name, std::filesystem::perms::owner_read
                                                        | std::filesystem::perms::owner_write);
    }

    std::filesystem::path folder;
};

inline std::int32_t int32At(const std::vector<unsigned char>& bytes, std::size_t offset)
{
    std::int32_t value = 0;
    EXPECT_LE(offset + 4, bytes.size());
    if (offset + 4 <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

inline std::string textAt(const std::vector<unsigned char>& bytes, std::size_t offset, std::size_t size)
{
    std::string text;
    for (std::size_t i = offset; i < offset + size && i < bytes.size() && bytes[i] != 0; ++i)
        text += static_cast<char>(bytes[i]);
    return text;
}

} // namespace trop::test
