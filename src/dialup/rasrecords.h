#pragma once
// The remote access service's ANSI records in their earliest sizes, byte for byte:
// 32-bit little-endian integers, single-byte NUL-terminated text.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ras {

constexpr int RAS_MaxEntryName = 256;
constexpr int RAS_MaxDeviceType = 16;
constexpr int RAS_MaxDeviceName = 128;

constexpr std::uint32_t ERROR_SUCCESS = 0;
constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;
constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr std::uint32_t ERROR_BUFFER_TOO_SMALL = 603;
constexpr std::uint32_t ERROR_INVALID_SIZE = 632;

// RASCONNSTATE values the program names.
constexpr std::int32_t RASCS_DeviceConnected = 3;
constexpr std::int32_t RASCS_Connected = 0x2000;
constexpr std::int32_t RASCS_Disconnected = 0x2001;

// One listing takes at most this many records; the buffer is never grown.
constexpr int MaxRecords = 100;

struct RASENTRYNAMEA {
    std::uint32_t dwSize;
    char szEntryName[RAS_MaxEntryName + 1];
};

struct RASCONNA {
    std::uint32_t dwSize;
    std::int32_t hrasconn;
    char szEntryName[RAS_MaxEntryName + 1];
    char szDeviceType[RAS_MaxDeviceType + 1];
    char szDeviceName[RAS_MaxDeviceName + 1];
};

struct RASCONNSTATUSA {
    std::uint32_t dwSize;
    std::int32_t rasconnstate;
    std::uint32_t dwError;
    char szDeviceType[RAS_MaxDeviceType + 1];
    char szDeviceName[RAS_MaxDeviceName + 1];
};

static_assert(sizeof(RASENTRYNAMEA) == 264);
static_assert(offsetof(RASENTRYNAMEA, szEntryName) == 4);

static_assert(sizeof(RASCONNA) == 412);
static_assert(offsetof(RASCONNA, hrasconn) == 4);
static_assert(offsetof(RASCONNA, szEntryName) == 8);
static_assert(offsetof(RASCONNA, szDeviceType) == 265);
static_assert(offsetof(RASCONNA, szDeviceName) == 282);

static_assert(sizeof(RASCONNSTATUSA) == 160);
static_assert(offsetof(RASCONNSTATUSA, rasconnstate) == 4);
static_assert(offsetof(RASCONNSTATUSA, dwError) == 8);
static_assert(offsetof(RASCONNSTATUSA, szDeviceType) == 12);
static_assert(offsetof(RASCONNSTATUSA, szDeviceName) == 29);

// Text of a fixed character field, up to its first NUL (or the whole field when it has none).
template <std::size_t N> QString fieldText(const char (&field)[N])
{
    const void* nul = std::memchr(field, 0, N);
    const auto length =
        nul ? static_cast<const char*>(nul) - field : static_cast<std::ptrdiff_t>(N);
    return QString::fromUtf8(field, length);
}

// Copies UTF-8 text into a fixed field: at most N - 1 bytes, cut on a character boundary,
// NUL-filled to the end.
void setFieldText(char* field, std::size_t size, const QByteArray& utf8);
template <std::size_t N> void setFieldText(char (&field)[N], const QByteArray& utf8)
{
    setFieldText(field, N, utf8);
}

} // namespace ras
