// The device's used bytes against its capacity (see plat/device.h): every
// change that can alter the size of the device's contents runs through here.
#pragma once
#include <cstdint>
#include <functional>

namespace plat::files {

// Runs a change of the device's contents serialised with every other one.
// `change` gets the bytes still free (UINT64_MAX without a capacity) and
// returns by how many bytes it changed the contents (negative: freed).
void ChangeContents(const std::function<int64_t(uint64_t room)>& change);

// Counts the used bytes again after the device folder moved (with a capacity set).
void RecountUsedBytes();

}  // namespace plat::files
