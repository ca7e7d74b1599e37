#include "platform/file_bytes.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace zorozo::platform {

FileBytes read_file_bytes(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {FileBytes::Status::missing, {}};
    }
    if (ec || !std::filesystem::is_regular_file(status)) {
        return {FileBytes::Status::failed, {}};
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        return {FileBytes::Status::failed, {}};
    }
    return {FileBytes::Status::read, std::move(bytes)};
}

namespace {

// A name beside the file that no other writer of this process uses at the same time.
std::filesystem::path temporary_beside(const std::filesystem::path& file) {
    static std::atomic<unsigned> counter{0};
    static const unsigned process_salt = std::random_device{}();
    auto name = file.filename().string();
    name += ".new" + std::to_string(process_salt) + "-" + std::to_string(counter.fetch_add(1));
    return file.parent_path() / name;
}

} // namespace

bool replace_file_bytes(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ec;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec) {
            return false;
        }
    }
    const auto temporary = temporary_beside(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

} // namespace zorozo::platform
