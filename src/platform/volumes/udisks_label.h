#pragma once
// Volume labels written through udisks2 on the system bus: the daemon runs the file system's
// own label tool with the rights polkit grants a desktop user, so no root is needed.
#include <string>
#include <string_view>

namespace tembrel::volumes {

// Sets the label of the file system on the block device `device_name` ("sdb1", "dm-0"); an
// empty label removes it. 0 or an errno value: EACCES when not authorised, ENOTSUP when the
// system has no udisks2 or the file system takes no label, ENODEV when udisks2 does not
// manage the device, EBUSY, ECANCELED when the user dismissed the authorisation.
int UdisksSetLabel(std::string_view device_name, std::string_view label);

// udisks2's object path for a block device: every byte outside [A-Za-z0-9] as "_" and two
// hexadecimal digits ("dm-0" -> ".../block_devices/dm_2d0").
std::string UdisksBlockObjectPath(std::string_view device_name);

}  // namespace tembrel::volumes
