#pragma once

// Start-up, discovery, HID input/output and the pacing timer.
//
// Threads: read, write, COrvaneHid_WaitForInput and the pacing timer's
// Runing and Start of one keyboard run on its I/O thread; COrvaneHid_Wake
// on any thread; everything else on the GUI thread. COrvaneHid_Close may be
// called while that keyboard's I/O thread is inside a read, a write, a wait
// or a pacing call; it ends the wait.
#include "sdk/include/orvanesdk_records.h"

#include <cstdint>
#include <list>
#include <map>
#include <string>

// Fills `buffer` (1024 bytes) with the library's version text; returns 0.
int COrvaneSDK_VersionStr(char* buffer);
// Each returns 0 when ready.
int COrvaneHid_Init();
int COrvaneLight_Init();

// Appends one record per supported USB identity: a model's cable id and,
// for models with a 2.4 GHz receiver, the receiver id.
void COrvaneHid_GetSupportInfoList(std::list<hidSupportInfo>* list);
// Appends the paths of the HID devices present now: one path per keyboard
// (the interface that carries the 64-byte reports).
void COrvaneHid_GetHidInfoList(std::list<std::string>* paths);
// Inserts one entry per supported model, keyed by model code.
void COrvaneHid_GetHidInfoStuMapList(std::map<std::string, hidSupportMapInfo>* models);
// Fills both records for a path of COrvaneHid_GetHidInfoList; nonzero when
// both were filled, 0 for a path that is gone or not a supported model.
int COrvaneHid_GetHidAndFirmwareInfoStu(const char* path, hidInfoStu* hid, hidFirmwareInfoStu* firmware);

// Returns a handle, 0 on failure.
int COrvaneHid_OpenPath(const char* path);
// With nonblock 1 a read returns at once, 0 when no report waits.
int COrvaneHid_SetNonblocking(int handle, int nonblock);
// Reads one input report into buf (always 64 bytes, zero-filled behind a
// shorter report); returns the bytes the device delivered, 0 for none, -1
// on failure.
int COrvaneHid_HidReadBuff(int handle, unsigned char* buf);
// Writes one 64-byte report unchanged; returns the bytes written, -1 on failure.
int COrvaneHid_HidWriteBuff(int handle, const unsigned char* report, const char* path);
// Sleeps until an input report waits to be read, COrvaneHid_Wake is called
// for the handle, or timeoutMs pass (-1: no limit). Returns 1 when a read
// would not come back empty (a report, or the device's failure), 0 when
// woken or timed out, -1 for a closed handle. A wake that comes while
// nobody waits ends the next wait at once, so none is lost.
int COrvaneHid_WaitForInput(int handle, int timeoutMs);
void COrvaneHid_Wake(int handle);
void COrvaneHid_Close(int handle);

// The pacing timer: its state is two 32-bit words, filled by Init and then
// passed by value. Runing returns after one interval (1 ms) past the
// previous deadline; `interval` is the caller's fixed 100.
void COrvaneHid_highPrecisionTimerInit(uint32_t* state);
void COrvaneHid_highPrecisionTimerStart(uint32_t word0, uint32_t word1);
void COrvaneHid_highPrecisionTimerRuning(int interval, uint32_t word0, uint32_t word1);
// As Runing, for `steps` intervals in one wait.
void COrvaneHid_highPrecisionTimerRuningSteps(int steps, uint32_t word0, uint32_t word1);
void COrvaneHid_highPrecisionTimerStop(uint32_t word0, uint32_t word1);
