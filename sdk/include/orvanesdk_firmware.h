#pragma once

// The firmware layer: the entry points the vendor upgrade library offers,
// linked in and served by our own image format (sdk/firmware/FORMAT.md).
//
// Threads: one image is held at a time, under a lock; the GUI thread loads
// it during the firmware check and an upgrade worker reads it later.
#include <cstdint>

// Checks a ".ufw" image (magic, sizes, both CRCs, model field) and holds a
// copy for the calls below and a later upgrade. 0 when accepted; otherwise
// nonzero, the image held before is dropped, and a debug line says why.
int JL_loadUfwData(const unsigned char* data, int length);
// The held image's header CRC-16 and payload CRC-32; 0 on success, nonzero
// when no image is held.
int JL_getUfwCrc(uint16_t* headerCrc, uint32_t* payloadCrc);
// The held image's model text, NUL-terminated, into `model` (at least 17
// bytes), and its version's 4 bytes, NUL-padded and not terminated, into
// `version` (at least 4); 0 on success, nonzero when no image is held or a
// buffer is too small.
int JL_getUfwPidVid(char* model, int modelSize, char* version, int versionSize);

// Slot `letter` ('A' + k): 0 when a k-th keyboard of the ".ufw" family is
// present in its upgrade mode (in path order), -5 when there is none; the
// buffers get its vendor and product id as text ("1209", "0011").
int JL_queryDevicePidVid(int letter, char* pid, int pidSize, char* vid, int vidSize);
// Writes the held ".ufw" image into the keyboard of slot `letter` in our
// bootloader protocol (sdk/firmware/PROTOCOL.md), calling `progress` with
// percentages on the calling thread; blocks. 0 on success; -3 no such
// device or it cannot be opened, -6 it does not answer in our protocol or
// stops answering, -9 no image held, or it fails its checks or is for
// another model or variant, -10 the bootloader refused it, -18 the device
// went away mid-write.
int JL_upgradeDevice(int letter, int reserved1, int reserved2, void (*progress)(int percent));

// Writes the ".bin" image at `imagePath` (local 8-bit encoding) into the
// bootloader opened as `handle` (COrvaneHid_OpenPath), calling
// progress(total, done) in acknowledged bytes on the calling thread; blocks.
// The image's own checked length is written and its own variant is checked
// against the bootloader's: `length`, `reserved` and `attachment` (0 cable,
// 1 receiver) do not decide anything. 0 on success; otherwise the codes of
// JL_upgradeDevice, and -2 when the image cannot be read.
int COrvaneHid_FirmwareUpgrade(int handle, const char* imagePath, int length, int reserved, int attachment,
                               void (*progress)(int total, int done));

using JL_loadUfwDataFn = int (*)(const unsigned char*, int);
using JL_getUfwCrcFn = int (*)(uint16_t*, uint32_t*);
using JL_getUfwPidVidFn = int (*)(char*, int, char*, int);
using JL_queryDevicePidVidFn = int (*)(int, char*, int, char*, int);
using JL_upgradeDeviceFn = int (*)(int, int, int, void (*)(int));
