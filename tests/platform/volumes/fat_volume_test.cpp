#include "platform/volumes/fat_volume.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/fs/unique_fd.h"

namespace tembrel::volumes {
namespace {

namespace stdfs = std::filesystem;

// mkfs.fat lives in /usr/sbin, which an ordinary user's PATH may lack.
std::string MkfsFat() {
  for (const char* p : {"/usr/sbin/mkfs.fat", "/sbin/mkfs.fat", "/usr/bin/mkfs.fat"})
    if (::access(p, X_OK) == 0) return p;
  return {};
}

class FatImage : public testing::Test {
 protected:
  void SetUp() override {
    mkfs_ = MkfsFat();
    ASSERT_FALSE(mkfs_.empty()) << "mkfs.fat (dosfstools) is needed; scripts/install-deps.sh installs it";
    std::string tmpl = (stdfs::temp_directory_path() / "tembrel-fat-XXXXXX").string();
    dir_ = ::mkdtemp(tmpl.data());
  }
  void TearDown() override { stdfs::remove_all(dir_); }

  // Makes an image with mkfs.fat and returns its path.
  std::string Make(const std::string& name, const std::string& args) {
    const std::string path = dir_ + "/" + name;
    const std::string cmd = mkfs_ + " -C " + path + " " + args + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return path;
  }

  static std::optional<FatVolumeId> Read(const std::string& path) {
    fs::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    EXPECT_TRUE(fd);
    return ReadFatVolumeId(fd.get());
  }

  static std::vector<std::byte> Head(const std::string& path, size_t n) {
    std::vector<std::byte> out(n);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(n));
    out.resize(static_cast<size_t>(in.gcount()));
    return out;
  }

  std::string mkfs_;
  std::string dir_;
};

TEST_F(FatImage, ReadsSerialAndLabelOfEveryFatKind) {
  struct Case {
    const char* name;
    const char* args;
    uint32_t serial;
    const char* label;
  };
  const Case cases[] = {
      {"floppy.img", "-n LABEL -i ABCD1234 1440", 0xABCD1234, "LABEL"},
      {"fat16.img", "-F 16 -n DATA_16 -i 0BADF00D 20000", 0x0BADF00D, "DATA_16"},
      {"fat32.img", "-F 32 -n BACKUP2003 -i 12345678 40000", 0x12345678, "BACKUP2003"},
      {"nolabel.img", "-i 00000001 1440", 0x00000001, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto id = Read(Make(c.name, c.args));
    ASSERT_TRUE(id);
    EXPECT_EQ(id->serial, c.serial);
    EXPECT_EQ(id->label, c.label);
  }
}

TEST_F(FatImage, RootFolderLabelWinsOverAStaleBootSectorCopy) {
  const std::string path = Make("stale.img", "-n CURRENT -i ABCD1234 1440");
  {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(43);  // the boot sector's label field
    f.write("OLDLABEL   ", 11);
  }
  auto id = Read(path);
  ASSERT_TRUE(id);
  EXPECT_EQ(id->label, "CURRENT");
  // The boot sector alone (a root that cannot be read) still gives its own copy.
  auto boot = ParseFatBootSector(Head(path, 512));
  ASSERT_TRUE(boot);
  EXPECT_EQ(boot->id.label, "OLDLABEL");
  EXPECT_EQ(boot->id.serial, 0xABCD1234u);
}

TEST_F(FatImage, TruncatedImageFallsBackToTheBootSector) {
  const std::string path = Make("cut.img", "-n CUTOFF -i 0000BEEF 1440");
  stdfs::resize_file(path, 512);
  auto id = Read(path);
  ASSERT_TRUE(id);
  EXPECT_EQ(id->serial, 0x0000BEEFu);
  EXPECT_EQ(id->label, "CUTOFF");
}

TEST_F(FatImage, DamagedOrForeignBootSectorsAreNotFat) {
  const auto good = Head(Make("ok.img", "-n OK -i ABCD1234 1440"), 512);
  ASSERT_TRUE(ParseFatBootSector(good));
  for (size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(ParseFatBootSector(std::span(good).first(n))) << n;

  auto set = [&](size_t off, std::initializer_list<int> bytes) {
    auto b = good;
    for (int v : bytes) b[off++] = std::byte(v);
    return b;
  };
  EXPECT_FALSE(ParseFatBootSector(set(0, {0})));          // no jump
  EXPECT_FALSE(ParseFatBootSector(set(11, {0, 3})));      // 768-byte sectors
  EXPECT_FALSE(ParseFatBootSector(set(13, {3})));         // 3 sectors per cluster
  EXPECT_FALSE(ParseFatBootSector(set(16, {0})));         // no FAT
  // exFAT and NTFS keep zeros where FAT has its parameters.
  auto exfat = set(3, {'E', 'X', 'F', 'A', 'T', ' ', ' ', ' '});
  for (size_t i = 11; i < 64; ++i) exfat[i] = std::byte{0};
  EXPECT_FALSE(ParseFatBootSector(exfat));

  std::mt19937 rng{1234};  // fixed so failures reproduce
  for (int round = 0; round < 2000; ++round) {
    auto b = good;
    for (int k = 0; k < 4; ++k) b[rng() % b.size()] = std::byte(rng() & 0xFF);
    if (auto parsed = ParseFatBootSector(b)) {
      EXPECT_LE(parsed->layout.root_size, 64u * 1024);
      EXPECT_LE(parsed->id.label.size(), 33u);  // 11 bytes, at most 3 UTF-8 bytes each
    }
  }
}

TEST(FatRootLabel, SkipsDeletedLongNameAndFolderEntries) {
  std::vector<std::byte> root(32 * 5);
  auto entry = [&](size_t i, const char* name, uint8_t attr) {
    for (size_t k = 0; k < 11; ++k) root[i * 32 + k] = std::byte(static_cast<unsigned char>(name[k]));
    root[i * 32 + 11] = std::byte(attr);
  };
  entry(0, "\xE5OLDLBL    ", 0x08);  // deleted label
  entry(1, "ALONGNAME  ", 0x0F);     // long-name piece
  entry(2, "FOLDER     ", 0x10);
  entry(3, "\x05" "BC        ", 0x08);   // first byte 0xE5 escaped as 0x05
  EXPECT_EQ(FindFatRootLabel(root), "\xC3\xA5" "BC");  // 0xE5 as Windows-1252
  entry(3, "\0          ", 0x08);  // end of folder before any label
  EXPECT_FALSE(FindFatRootLabel(root));
}

}  // namespace
}  // namespace tembrel::volumes
