#pragma once

// What the discovery and camera sockets ask the kernel for, so that a burst of replies from many
// cameras waits in the socket while the program is busy opening the ones before.
constexpr int SocketReceiveBufferBytes = 4 * 1024 * 1024;
