#pragma once
// The file system as the program sees it: folder listings for the cataloging walk and the
// file operations of the tools, always below a drive root. Errors are errno values (0 = done).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/date_time.h"

namespace tembrel::fs {

// DOS attribute bits, as catalogs store them.
inline constexpr uint32_t kAttrReadOnly = 0x01;
inline constexpr uint32_t kAttrHidden = 0x02;
inline constexpr uint32_t kAttrSystem = 0x04;
inline constexpr uint32_t kAttrVolumeLabel = 0x08;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;
inline constexpr uint32_t kAttrReparsePoint = 0x400;  // what Windows reports for a symbolic link

enum class EntryKind : uint8_t { File, Directory, Symlink, Special };  // Special: FIFO, socket, device

struct Entry {
  std::string name;      // UTF-8; a name that is not valid UTF-8 decoded as Windows-1252
  std::string raw_name;  // the bytes the file system holds, to reach the entry again
  EntryKind kind = EntryKind::File;
  bool other_mount = false;  // a directory where another mount begins: it is not entered
  uint64_t size = 0;         // regular files; 0 for folders, links and special files
  Date date;                 // last write, local time; null when out of range
  Time time;
  uint32_t attributes = 0;
};

// Listing and entering a folder failed only because the user may not read it.
inline bool IsPermissionDenied(int error) { return error == 13 /*EACCES*/ || error == 1 /*EPERM*/; }

// A place below a drive root: `root` is the drive's real root folder, `path` a stored path
// ("\GAMES\DOOM.EXE"; "\" is the root itself). Every operation stays below `root`: a ".."
// component, a symbolic link on the way or another mount crossed fails (EINVAL, ELOOP, EXDEV).
struct Location {
  std::string root;
  std::string path;
};

// One open folder. Entries come in the order the file system returns them, without "." and
// "..". Nothing is followed or opened that could block: links are entries of their own,
// FIFOs, sockets and devices are never opened.
class Listing {
 public:
  virtual ~Listing() = default;
  // false at the end or on a failure; error() then tells which (0 at the end).
  virtual bool Next(Entry& entry) = 0;
  virtual int error() const = 0;
  // Opens a directory entry of this listing. ENOTDIR for anything but a directory, EXDEV for
  // one where another mount begins, EACCES when it may not be listed.
  struct Opened;
  virtual Opened OpenChild(const Entry& entry) = 0;
};

struct Listing::Opened {
  std::unique_ptr<Listing> listing;  // null on failure
  int error = 0;
};

// Copying reports what failed, since each step has its own message.
enum class CopyStep : uint8_t { Done, OpenSource, OpenTarget, Read, Write, Cancelled };
struct CopyResult {
  CopyStep step = CopyStep::Done;
  int error = 0;
  bool ok() const { return step == CopyStep::Done; }
};
// Called after every block with the bytes copied so far; false cancels the copy.
using CopyProgress = std::function<bool(uint64_t done, uint64_t total)>;
inline constexpr size_t kCopyBlockSize = 65536;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual Listing::Opened OpenFolder(const Location& folder) = 0;
  // The entry at `place` as a listing would give it; ENOENT when there is none.
  virtual int Stat(const Location& place, Entry& entry) = 0;

  // Removes a file, link or special file (EISDIR for a folder). Needs no attribute clearing.
  virtual int Delete(const Location& file) = 0;
  // Removes an empty folder.
  virtual int RemoveFolder(const Location& folder) = 0;
  // Creates one folder; its parent must exist.
  virtual int MakeFolder(const Location& folder) = 0;
  // Sets read-only, hidden, system and archive where the file system keeps them (FAT);
  // elsewhere read-only is the absence of write permission and the other bits are ignored.
  virtual int SetAttributes(const Location& place, uint32_t attributes) = 0;
  int ClearAttributes(const Location& place) { return SetAttributes(place, 0); }

  // Copies a regular file to a new file `to` (EEXIST when it exists), in blocks of
  // kCopyBlockSize, with the source's last-write time and attributes. The copy is written
  // under a temporary name, flushed to the disk, closed without error and checked for the
  // source's size before it takes its name; on any failure or cancel nothing is left behind.
  virtual CopyResult CopyFile(const Location& from, const Location& to, const CopyProgress& progress) = 0;

  // Both folders lie on one file system (a move between them would be a rename, and a copy
  // "to another disk" would not be one). False when either cannot be reached.
  virtual bool SameVolume(std::string_view folder_a, std::string_view folder_b) = 0;
};

// The real file system.
std::unique_ptr<FileSystem> MakePosixFileSystem();

}  // namespace tembrel::fs
