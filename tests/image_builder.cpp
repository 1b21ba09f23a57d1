#include "tests/image_builder.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace testimg {

namespace {

constexpr size_t kBam = 91392;

int SectorsOnTrack(int track) {
  if (track <= 17) return 21;
  if (track <= 24) return 19;
  if (track <= 30) return 18;
  return 17;
}

void Put(Image& image, size_t at, const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) image.at(at + i) = static_cast<uint8_t>(bytes[i]);
}

struct TempFolder {
  std::filesystem::path path;
  TempFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path = std::filesystem::temp_directory_path() / ("pellaxo-tests-" + std::to_string(stamp));
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

size_t Offset(int track, int sector) {
  size_t offset = 0;
  for (int t = 1; t < track; ++t) offset += 256 * static_cast<size_t>(SectorsOnTrack(t));
  return offset + 256 * static_cast<size_t>(sector);
}

std::string Padded(const std::string& text, size_t length) {
  std::string out = text.substr(0, length);
  out.resize(length, '\xA0');
  return out;
}

Image BlankDisk(size_t size) {
  Image image(size, 0);
  image[kBam] = 18;
  image[kBam + 1] = 1;
  image[kBam + 2] = 0x41;
  SetTitle(image, Padded("TEST DISK"));
  Put(image, kBam + 0xA0, "\xA0\xA0");
  SetDiskId(image,
            "PX\xA0"
            "2A");
  Put(image, kBam + 0xA7, "\xA0\xA0\xA0\xA0");
  Link(image, 18, 1, 0, 0xFF);
  return image;
}

void SetTitle(Image& image, const std::string& sixteen_bytes) {
  Put(image, kBam + 0x90, sixteen_bytes.substr(0, 16));
}

void SetDiskId(Image& image, const std::string& five_bytes) {
  Put(image, kBam + 0xA2, five_bytes.substr(0, 5));
}

void Link(Image& image, int track, int sector, uint8_t next_track, uint8_t next_sector) {
  const size_t at = Offset(track, sector);
  image.at(at) = next_track;
  image.at(at + 1) = next_sector;
}

void PutEntry(Image& image, int track, int sector, int slot, const Entry& entry) {
  const size_t at = Offset(track, sector) + 32 * static_cast<size_t>(slot);
  image.at(at + 2) = entry.type;
  image.at(at + 3) = 17;  // first data sector: never read by the plug-in
  image.at(at + 4) = 0;
  Put(image, at + 5, Padded(entry.name));
  image.at(at + 30) = static_cast<uint8_t>(entry.blocks & 0xFF);
  image.at(at + 31) = static_cast<uint8_t>(entry.blocks >> 8);
}

Image FullDirectory(int sectors, size_t size) {
  Image image = BlankDisk(size);
  for (int s = 1; s <= sectors; ++s) {
    Link(image, 18, s, s < sectors ? 18 : 0, s < sectors ? static_cast<uint8_t>(s + 1) : 0xFF);
    for (int slot = 0; slot < 8; ++slot) {
      const int position = (s - 1) * 8 + slot + 1;
      PutEntry(image, 18, s, slot, {0x82, "F" + std::to_string(position), 1});
    }
  }
  return image;
}

std::string TempDir() {
  static TempFolder folder;
  return folder.path.string();
}

std::string WriteImage(const Image& image, const std::string& name) {
  const std::string path = (std::filesystem::path(TempDir()) / name).string();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) throw std::runtime_error("cannot write " + path);
  const size_t written = image.empty() ? 0 : std::fwrite(image.data(), 1, image.size(), f);
  std::fclose(f);
  if (written != image.size()) throw std::runtime_error("short write to " + path);
  return path;
}

}  // namespace testimg
