// Shared pieces of the store tests: a private temporary folder and an
// answerer that records every message asked.
#pragma once

#include "trop/store/messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace trop::testing {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path()
            / ("trop-store-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Installs itself for its lifetime; answers every question with `answer`.
class RecordingAnswerer {
public:
    explicit RecordingAnswerer(MessageAnswer answer = MessageAnswer::No)
    {
        previous_ = setMessageAnswerer([this, answer](const MessageRequest& request) {
            asked.push_back(request);
            return request.style == MessageStyle::Question || request.style == MessageStyle::QuestionYes
                ? answer
                : MessageAnswer::Ok;
        });
    }
    ~RecordingAnswerer() { setMessageAnswerer(previous_); }
    RecordingAnswerer(const RecordingAnswerer&) = delete;
    RecordingAnswerer& operator=(const RecordingAnswerer&) = delete;

    // "id:arg1" for each message, in order, for compact expectations.
    std::vector<std::string> summary() const
    {
        std::vector<std::string> lines;
        for (const MessageRequest& request : asked)
            lines.push_back(std::to_string(request.id) + ":" + request.arg1);
        return lines;
    }

    std::vector<MessageRequest> asked;

private:
    MessageAnswerer previous_;
};

} // namespace trop::testing
