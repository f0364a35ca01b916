#include "app/about_form.h"

#include <sys/utsname.h>

#include <fstream>

namespace tembrel {
namespace {

// PRETTY_NAME of an os-release file, unquoted; empty when there is none.
std::string PrettyName(const char* path) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("PRETTY_NAME=", 0) != 0) continue;
    std::string v = line.substr(12);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
      v = v.substr(1, v.size() - 2);
    return v;
  }
  return {};
}

}  // namespace

std::string OperatingSystemAboutText() {
  std::string name = PrettyName("/etc/os-release");
  if (name.empty()) name = PrettyName("/usr/lib/os-release");
  utsname u{};
  std::string text;
  if (uname(&u) == 0) {
    if (name.empty()) name = u.sysname;
    text = name + "\r\n\r\n" + u.sysname + " " + u.release + "\r\n" + u.version + "\r\nMachine: " + u.machine;
  } else {
    text = name.empty() ? std::string("Unknown Operating System") : name;
  }
  return text;
}

}  // namespace tembrel
