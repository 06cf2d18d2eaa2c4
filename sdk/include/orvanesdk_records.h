#pragma once

// Fixed-layout records that cross the device library's boundary. Texts are
// NUL-terminated 8-bit; integers are 32-bit. The offsets are part of the
// interface, so each is pinned below.
#include <cstddef>
#include <cstdint>

// One supported USB identity of a model (its cable id, or its receiver id).
struct hidSupportInfo
{
    char model[128];
    char vendorIdText[16];
    char productIdText[16];
    int32_t is24G; // 1: the id is the model's 2.4 GHz receiver
    char productName[128];
};

// One present HID device, as discovery found it.
struct hidInfoStu
{
    int32_t vendorId;
    int32_t productId;
    char path[256];
    char manufacturer[64];
    char product[64];
    char model[128];
    char firmware[128];
    int32_t interfaceNumber;
    int32_t is24G; // 1: a keyboard behind the 2.4 GHz receiver
};

// What the firmware of a present device says about itself.
struct hidFirmwareInfoStu
{
    char idSection0[64];
    char idSection1[64];
    char idSection2[64];
    char idSection3[64];
    char model[128];
    char version[64];
    char buildDate[64];
};

// One entry of the model table, keyed by model code.
struct hidSupportMapInfo
{
    char deviceType[128];
    int32_t value0;
    int32_t value1;
    int32_t value2;
    int32_t value3;
    char model[128];
    int32_t layoutNumber;
    char productName[128];
    char likeName[128];
};

static_assert(sizeof(hidSupportInfo) == 292, "hidSupportInfo layout");
static_assert(offsetof(hidSupportInfo, vendorIdText) == 128, "hidSupportInfo layout");
static_assert(offsetof(hidSupportInfo, productIdText) == 144, "hidSupportInfo layout");

static_assert(sizeof(hidInfoStu) == 656, "hidInfoStu layout");
static_assert(offsetof(hidInfoStu, path) == 8, "hidInfoStu layout");
static_assert(offsetof(hidInfoStu, manufacturer) == 264, "hidInfoStu layout");
static_assert(offsetof(hidInfoStu, product) == 328, "hidInfoStu layout");
static_assert(offsetof(hidInfoStu, model) == 392, "hidInfoStu layout");
static_assert(offsetof(hidInfoStu, firmware) == 520, "hidInfoStu layout");
static_assert(offsetof(hidInfoStu, interfaceNumber) == 648, "hidInfoStu layout");
static_assert(offsetof(hidInfoStu, is24G) == 652, "hidInfoStu layout");

static_assert(sizeof(hidFirmwareInfoStu) == 512, "hidFirmwareInfoStu layout");
static_assert(offsetof(hidFirmwareInfoStu, idSection3) == 192, "hidFirmwareInfoStu layout");
static_assert(offsetof(hidFirmwareInfoStu, model) == 256, "hidFirmwareInfoStu layout");
static_assert(offsetof(hidFirmwareInfoStu, version) == 384, "hidFirmwareInfoStu layout");
static_assert(offsetof(hidFirmwareInfoStu, buildDate) == 448, "hidFirmwareInfoStu layout");

static_assert(sizeof(hidSupportMapInfo) == 532, "hidSupportMapInfo layout");
static_assert(offsetof(hidSupportMapInfo, value0) == 128, "hidSupportMapInfo layout");
static_assert(offsetof(hidSupportMapInfo, value3) == 140, "hidSupportMapInfo layout");
static_assert(offsetof(hidSupportMapInfo, model) == 144, "hidSupportMapInfo layout");
static_assert(offsetof(hidSupportMapInfo, layoutNumber) == 272, "hidSupportMapInfo layout");
static_assert(offsetof(hidSupportMapInfo, productName) == 276, "hidSupportMapInfo layout");
static_assert(offsetof(hidSupportMapInfo, likeName) == 404, "hidSupportMapInfo layout");
