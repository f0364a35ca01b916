#include "platform/volumes/udisks_label.h"

#include <systemd/sd-bus.h>

#include <cerrno>
#include <cstdint>
#include <memory>

namespace tembrel::volumes {
namespace {

constexpr const char* kService = "org.freedesktop.UDisks2";
constexpr const char* kFilesystemInterface = "org.freedesktop.UDisks2.Filesystem";
// Long enough for the user to answer an authorisation dialog.
constexpr uint64_t kCallTimeoutUsec = 120ull * 1000 * 1000;

struct BusUnref {
  void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
struct MessageUnref {
  void operator()(sd_bus_message* m) const { sd_bus_message_unref(m); }
};
struct ErrorFree {
  void operator()(sd_bus_error* e) const { sd_bus_error_free(e); }
};

int ErrnoFor(const sd_bus_error& error, int call_result) {
  struct Mapping {
    const char* name;
    int code;
  };
  static constexpr Mapping kMap[] = {
      {"org.freedesktop.UDisks2.Error.NotAuthorized", EACCES},
      {"org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain", EACCES},
      {"org.freedesktop.UDisks2.Error.NotAuthorizedDismissed", ECANCELED},
      {"org.freedesktop.UDisks2.Error.Cancelled", ECANCELED},
      {"org.freedesktop.UDisks2.Error.NotSupported", ENOTSUP},
      {"org.freedesktop.UDisks2.Error.DeviceBusy", EBUSY},
      {"org.freedesktop.UDisks2.Error.Timedout", ETIMEDOUT},
      {"org.freedesktop.UDisks2.Error.WouldWakeup", EAGAIN},
      {"org.freedesktop.DBus.Error.ServiceUnknown", ENOTSUP},
      {"org.freedesktop.DBus.Error.NameHasNoOwner", ENOTSUP},
      {"org.freedesktop.DBus.Error.UnknownObject", ENODEV},
      {"org.freedesktop.DBus.Error.UnknownInterface", ENOTSUP},
      {"org.freedesktop.DBus.Error.UnknownMethod", ENOTSUP},
      {"org.freedesktop.DBus.Error.InvalidArgs", EINVAL},
  };
  for (const auto& m : kMap)
    if (sd_bus_error_has_name(&error, m.name)) return m.code;
  if (sd_bus_error_is_set(&error)) {
    const int mapped = sd_bus_error_get_errno(&error);
    return mapped > 0 ? mapped : EIO;
  }
  return call_result < 0 ? -call_result : EIO;
}

}  // namespace

std::string UdisksBlockObjectPath(std::string_view device_name) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string path = "/org/freedesktop/UDisks2/block_devices/";
  for (char ch : device_name) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      path.push_back(ch);
    } else {
      path.push_back('_');
      path.push_back(kHex[c >> 4]);
      path.push_back(kHex[c & 15]);
    }
  }
  return path;
}

int UdisksSetLabel(std::string_view device_name, std::string_view label) {
  if (device_name.empty()) return ENODEV;
  sd_bus* raw_bus = nullptr;
  int r = sd_bus_open_system(&raw_bus);
  if (r < 0) return ENOTSUP;  // no system bus, hence no udisks2
  std::unique_ptr<sd_bus, BusUnref> bus(raw_bus);

  const std::string path = UdisksBlockObjectPath(device_name);
  sd_bus_message* raw_msg = nullptr;
  r = sd_bus_message_new_method_call(bus.get(), &raw_msg, kService, path.c_str(), kFilesystemInterface, "SetLabel");
  if (r < 0) return -r;
  std::unique_ptr<sd_bus_message, MessageUnref> msg(raw_msg);
  const std::string text(label);
  if ((r = sd_bus_message_append(msg.get(), "s", text.c_str())) < 0) return -r;
  if ((r = sd_bus_message_open_container(msg.get(), 'a', "{sv}")) < 0) return -r;
  if ((r = sd_bus_message_close_container(msg.get())) < 0) return -r;
  // A desktop user may be asked for a password by the polkit agent.
  if ((r = sd_bus_message_set_allow_interactive_authorization(msg.get(), 1)) < 0) return -r;

  sd_bus_error error = SD_BUS_ERROR_NULL;
  std::unique_ptr<sd_bus_error, ErrorFree> error_guard(&error);
  sd_bus_message* raw_reply = nullptr;
  r = sd_bus_call(bus.get(), msg.get(), kCallTimeoutUsec, &error, &raw_reply);
  std::unique_ptr<sd_bus_message, MessageUnref> reply(raw_reply);
  if (r < 0) return ErrnoFor(error, r);
  return 0;
}

}  // namespace tembrel::volumes
