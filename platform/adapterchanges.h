#pragma once

// Word from the operating system that an adapter or one of its IPv4 addresses came, went or changed, so
// that a program following its adapters need not wait for its next look. Without Qt, like the adapter
// source.
#include <cstdint>

namespace platform {

// What a handle of this kind stands for where the system tells nothing: then the adapters are only
// looked at on a period.
constexpr std::intptr_t NoAdapterChanges = -1;

// A handle that becomes ready when the system has told of a change (Linux: a netlink socket, readable
// when it heard link or IPv4 address messages; Windows: an event that IP Helper's interface and address
// change notifications set); NoAdapterChanges where the system tells none.
std::intptr_t openAdapterChanges();
// Reads everything the system has told so far without waiting; true when it told of a change.
bool readAdapterChanges(std::intptr_t handle);
void closeAdapterChanges(std::intptr_t handle);

} // namespace platform
