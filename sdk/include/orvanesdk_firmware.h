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

using JL_loadUfwDataFn = int (*)(const unsigned char*, int);
using JL_getUfwCrcFn = int (*)(uint16_t*, uint32_t*);
using JL_getUfwPidVidFn = int (*)(char*, int, char*, int);
